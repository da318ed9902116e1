// A top-level window drawn by its skin form, with the activation and close hooks
// every window of the program shares.
#pragma once

#include "skin_form.h"

#include <QWidget>
#include <functional>

class SkinWindow;

// Where a window that wears the main window's skin finds it: the main window, or none while
// there is no main window.
using SkinSource = std::function<const SkinWindow *()>;

class SkinWindow : public QWidget {
    Q_OBJECT
public:
    explicit SkinWindow(const QString &caption, QWidget *parent = nullptr);

    SkinForm *const SkinForm1;

    // Runs each time the window becomes the active window.
    virtual void Form_Activate() {}

    // Makes the window visible and active; a visible window is only activated.
    void Show();

    // Shows the window over its owner, modal to that owner only: the owner takes no
    // input while this window is open, every other window stays usable.
    void showOver(QWidget *owner);

    // Assistive technology sees a dialog rather than a frame (modal while it is open, if
    // it is shown modal).
    virtual bool isDialog() const { return false; }

protected:
    // The window manager's close control: a window decides what that means
    // (a wizard page ends the run, a dialog does what its button does).
    virtual void closeRequested() = 0;

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Escape closes a dialog as its close control does.
    void keyPressEvent(QKeyEvent *event) override;
};
