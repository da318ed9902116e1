// The GUI test fixture: every test function gets a fresh work folder and a fresh set of the
// program's windows, with the helpers that find, wait for and drive them. Tests reach the
// windows only through it, and controls by their object names.
#pragma once

#include "ui/skin.h"
#include "windows.h"
#include "wizard_walk.h"
#include "work_dir.h"

#include <QApplication>
#include <QtTest>
#include <algorithm>
#include <memory>

class WindowSet;
struct StartupOptions;
struct SmtpSettings;
class frmMain;
class frmMail;
class Form2;
class IncompleteDataDialog;

// Another window takes the focus and gives it back: the window is activated anew.
bool activateAgain(SkinWindow *window);

template <class Predicate> int countTopLevel(Predicate predicate) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return int(std::count_if(windows.begin(), windows.end(), predicate));
}

// The top-level window of that object name and class, if there is one.
template <class Window = QWidget> Window *topLevelNamed(const QString &name) {
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == name)
            return qobject_cast<Window *>(window);
    return nullptr;
}

// Problems a screen reader would have with the window as a modal dialog of that caption:
// empty when it is one, made of named controls.
QStringList modalDialogCheck(SkinWindow *window, const QString &caption);

// Chooses the entry of that index in page I's Skin menu; returns the skin it applied.
SkinRef chooseSkin(frmMain *page, int entry);
// Presses "Kirimkan" and waits until the send has ended; false when it never does.
bool sendAndWait(frmMail *page, bool *completed);

class GuiTest : public QObject {
    Q_OBJECT
public:
    GuiTest();
    ~GuiTest() override;

protected slots:
    // A test class with an init() or cleanup() of its own calls these first.
    void init();
    void cleanup();

protected:
    // The window of that class, made now if it is not loaded.
    template <class Window> Window *window() {
        return static_cast<Window *>(windowNamed(Window::staticMetaObject.className()));
    }
    template <class Window> bool loaded() const {
        return isLoaded(Window::staticMetaObject.className());
    }
    template <class Window> void unload() { unloadNamed(Window::staticMetaObject.className()); }
    // The incomplete-data dialogs are windows of one class: each is found by its name
    // (FormMessageBox, Form3, Form10, Form11).
    IncompleteDataDialog *incompleteDialog(const char *name);
    // "End": every window closes and the run stops.
    void end();
    // How often the run of the current window set has ended.
    int endings() const { return endings_; }
    // A fresh window set in the same work folder, its help topics looked for in the folder
    // given (none: beside the program), its main window's splash up that long.
    void restart(const QString &helpFolder = QString(), int splashMilliseconds = 0);
    ScopedWorkDir &work() { return *work_; }

    // A main window made apart from the window set, to watch its load from the start; the
    // window set goes, so that this is the only main window and its splash the only one.
    std::unique_ptr<frmMain> mainWindowApart();
    // A fresh window set whose send page reaches servers the way these settings say.
    void restartWithSmtp(const SmtpSettings &smtp);

    // Page I with the zone text given, and page II if that is where it led.
    Form2 *completePageOne(const QString &zone = QStringLiteral(".usaha"));
    // Runs the wizard from a fresh page I up to the page named (Form2, Form4, Form5, Form6 or
    // Form7), which is returned empty; pages before it are completed on the way.
    SkinWindow *reachPage(const QString &name, const QString &zone = QStringLiteral(".usaha"));

    // The window of the window set's slot of that name.
    SkinWindow *windowNamed(const char *name);
    bool isLoaded(const char *name) const;
    void unloadNamed(const char *name);

    // A fresh window set with options of the test's own (start from quickStart()).
    void restartWith(const StartupOptions &options);

private:
    std::unique_ptr<ScopedWorkDir> work_;
    std::unique_ptr<WindowSet> windows_;
    int endings_ = 0;
};
