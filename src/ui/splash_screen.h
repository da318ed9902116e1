// The splash screen shown while the main window loads: our picture and six lines.
#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

class SplashScreen : public QWidget {
    Q_OBJECT
public:
    // The splash stays `displayMs` milliseconds on the screen (0: shown and gone at once).
    explicit SplashScreen(int displayMs, QWidget *parent = nullptr);

    // First call: prepares the picture and the lines.
    void LoadSplash();
    // Second call: shows the splash for its time, then closes it and runs `done`. The splash
    // waits on a timer, so the caller returns at once and the event loop goes on; with no
    // time at all it closes and runs `done` before it returns.
    void ShowSplash(const std::function<void()> &done = {});

    // Product name on two lines, maker's acronym, version, web address, credit line.
    static QStringList lines();

    // Hiding also gives up the platform window: a hidden top-level window that keeps one
    // stays in the accessibility tree, and a screen reader would read the splash's text
    // long after it is gone. Showing it again makes a new one.
    void setVisible(bool visible) override;

signals:
    void splashLoaded();
    void splashShown();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int displayMs_;
    bool loaded_ = false;
};
