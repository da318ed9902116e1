#include "gui_fixture.h"

#include "accessibility_walk.h"
#include "app/window_set.h"
#include "mail/send_page.h"
#include "support/quick_start.h"
#include "wizard/contact_page.h"
#include "wizard/declaration_page.h"
#include "wizard/incomplete_data_dialog.h"
#include "wizard/mail_exchanger_page.h"
#include "wizard/main_window.h"
#include "wizard/name_server_page.h"
#include "wizard/record_choice_page.h"

#include <QMenu>
#include <QSignalSpy>

namespace {

// The window of the window set that has that name in the window design.
WindowId windowIdNamed(QByteArrayView name) {
    const WindowId id = navigation::windowNamed(name);
    if (id == WindowId::None)
        qFatal("the window set holds no %s", name.data());
    return id;
}

} // namespace

bool activateAgain(SkinWindow *window) {
    QWidget other;
    other.show();
    other.activateWindow();
    if (!QTest::qWaitFor([&other] { return other.isActiveWindow(); }, 5000))
        return false;
    window->Show();
    return waitUntilActive(window);
}

QStringList modalDialogCheck(SkinWindow *window, const QString &caption) {
    return modalDialogProblems(accessibleTree(qApp), window, caption);
}

SkinRef chooseSkin(frmMain *page, int entry) {
    control<QAction>(page, "mnBuildSkin")->menu()->actions().at(entry)->trigger();
    return page->SkinForm1->CurrentSkin();
}

bool sendAndWait(frmMail *page, bool *completed) {
    QSignalSpy finished(page, &frmMail::sendFinished);
    button(page, "SkinButton1")->click();
    if (!finished.wait(10000))
        return false;
    *completed = finished.first().first().toBool();
    return true;
}

GuiTest::GuiTest() = default;
GuiTest::~GuiTest() = default;

void GuiTest::init() {
    cleanup(); // what a failed cleanup left
    work_ = std::make_unique<ScopedWorkDir>();
    restart();
}

void GuiTest::cleanup() {
    windows_.reset();
    work_.reset();
}

void GuiTest::restart(const QString &helpFolder, int splashMilliseconds) {
    StartupOptions options = quickStart(helpFolder);
    options.splashMilliseconds = splashMilliseconds;
    restartWith(options);
}

void GuiTest::restartWith(const StartupOptions &options) {
    windows_.reset();
    windows_ = std::make_unique<WindowSet>(options);
    endings_ = 0;
    connect(windows_.get(), &WindowSet::ended, this, [this] { ++endings_; });
}

void GuiTest::restartWithSmtp(const SmtpSettings &smtp) {
    StartupOptions options = quickStart(QString());
    options.smtp = smtp;
    restartWith(options);
}

void GuiTest::end() {
    windows_->End();
}

std::unique_ptr<frmMain> GuiTest::mainWindowApart() {
    windows_.reset();
    return std::make_unique<frmMain>(0);
}

IncompleteDataDialog *GuiTest::incompleteDialog(const char *name) {
    return static_cast<IncompleteDataDialog *>(windowNamed(name));
}

SkinWindow *GuiTest::windowNamed(const char *name) {
    return windows_->window(windowIdNamed(name));
}

bool GuiTest::isLoaded(const char *name) const {
    return windows_->loaded(windowIdNamed(name));
}

void GuiTest::unloadNamed(const char *name) {
    windows_->unload(windowIdNamed(name));
}

Form2 *GuiTest::completePageOne(const QString &zone) {
    frmMain *page = window<frmMain>();
    fillPage(page, zone);
    nextButton(page)->click();
    return loaded<Form2>() ? window<Form2>() : nullptr;
}

SkinWindow *GuiTest::reachPage(const QString &name, const QString &zone) {
    SkinWindow *page = completePageOne(zone);
    if (!page || name == QLatin1String("Form2"))
        return page;
    completePage(page);
    Form4 *choice = window<Form4>();
    if (name == QLatin1String("Form4"))
        return choice;
    if (name == QLatin1String("Form6")) {
        button(choice, "SkinButton2")->click();
        return window<Form6>();
    }
    button(choice, "SkinButton1")->click();
    if (name == QLatin1String("Form5"))
        return window<Form5>();
    completePage(window<Form5>());
    return window<Form7>();
}
