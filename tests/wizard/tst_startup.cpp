// Start-up: the main window hides, the splash comes and goes, the window shows, and
// WinAqua is applied with the entrance of the panel and buttons.
#include "support/gui_fixture.h"
#include "ui/skin_button.h"
#include "ui/skin_panel.h"
#include "ui/splash_screen.h"
#include "wizard/main_window.h"

#include <QComboBox>

class TestStartup : public GuiTest {
    Q_OBJECT
private slots:
    void loadRunsItsStepsInOrder();
    void mainWindowExistsWhileTheSplashIsUp();
    void everySkinChangeReplaysTheEntrance();
};

void TestStartup::loadRunsItsStepsInOrder() {
    // Made apart from the window set, to watch its load from the start.
    const std::unique_ptr<frmMain> made = mainWindowApart();
    frmMain &page = *made;
    page.show();
    SplashScreen *splash = topLevelNamed<SplashScreen>("Splash1");
    QVERIFY(splash);
    QStringList steps;
    auto visibility = [&page] { return page.isVisible() ? "shown" : "hidden"; };
    connect(splash, &SplashScreen::splashLoaded, this,
            [&] { steps << QStringLiteral("splash loaded while ") + visibility(); });
    connect(splash, &SplashScreen::splashShown, this,
            [&] { steps << QStringLiteral("splash shown while ") + visibility(); });
    connect(page.SkinForm1, &SkinForm::skinChanged, this, [&] {
        steps << QStringLiteral("skin ") + page.SkinForm1->CurrentSkin()->SkinTitle +
                     QStringLiteral(" while ") + visibility();
    });

    page.Form_Load();

    QCOMPARE(steps, QStringList({"splash loaded while hidden", "splash shown while hidden",
                                 "skin WinAqua while shown"}));
    QVERIFY(!splash->isVisible());
}

void TestStartup::mainWindowExistsWhileTheSplashIsUp() {
    restart(QString(), 300);
    frmMain *page = window<frmMain>();
    // Made and loaded at once: the splash waits on a timer, not in a loop of its own.
    QVERIFY(loaded<frmMain>());
    QWidget *splash = topLevelNamed("Splash1");
    QVERIFY(splash && splash->isVisible());
    QVERIFY(!page->isVisible());
    QVERIFY(!page->SkinForm1->CurrentSkin());
    QTRY_VERIFY(page->isVisible());
    QVERIFY(!splash->isVisible());
    QVERIFY(page->SkinForm1->CurrentSkin());
}

void TestStartup::everySkinChangeReplaysTheEntrance() {
    frmMain *page = window<frmMain>();
    QVERIFY(page->isVisible());
    // Each element has jumped off its place and a script brings it back.
    for (const char *name : {"SkinPanel1", "SkinButton2", "SkinButton3"}) {
        QWidget *flying = control(page, QLatin1String(name));
        const SkinElement *element = dynamic_cast<Skinnable *>(flying)->SkinElement();
        QVERIFY2(element && flying->geometry() != element->homeGeometry(), name);
    }

    // Another skin: the controls are re-skinned (new elements) and fly in again from
    // their places.
    SkinButton *next = button(page, "SkinButton3");
    QTRY_VERIFY(!next->SkinElement()->isRunning());
    const QRect nextHome = next->SkinElement()->homeGeometry();
    const SkinRef media = chooseSkin(page, 6);
    QCOMPARE(next->SkinElement()->homeGeometry(), nextHome);
    QVERIFY(next->geometry() != nextHome);
    QCOMPARE(field(page, "Text1")->palette().color(QPalette::Base), media->ControlColor1);
    QCOMPARE(control<QComboBox>(page, "Combo1")->palette().color(QPalette::Text),
             media->ControlColor2);
    QSignalSpy done(next->SkinElement(), &SkinElement::scriptFinished);
    QVERIFY(done.wait(4000));
    QCOMPARE(next->geometry(), nextHome);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
