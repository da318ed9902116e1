// Start-up: the main window hides, the splash comes and goes, the window shows, and
// WinAqua is applied with the entrance of the panel and buttons.
#include "quick_start.h"
#include "support/work_dir.h"
#include "ui/skin_file.h"
#include "wizard/main_window.h"
#include "app/window_set.h"

#include <QDir>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void loadRunsItsStepsInOrder();
    void mainWindowExistsWhileTheSplashIsUp();
    void everySkinChangeReplaysTheEntrance();
    void skinFileThatCannotBeUsedChangesNothing();
};

void TestStartup::loadRunsItsStepsInOrder() {
    // Made by hand rather than through the window set, to watch its load from the start.
    frmMain page(quickStart().splashMilliseconds);
    page.show();
    QStringList steps;
    auto visibility = [&page] { return page.isVisible() ? "shown" : "hidden"; };
    connect(page.Splash1, &SplashScreen::splashLoaded, this,
            [&] { steps << QStringLiteral("splash loaded while ") + visibility(); });
    connect(page.Splash1, &SplashScreen::splashShown, this,
            [&] { steps << QStringLiteral("splash shown while ") + visibility(); });
    connect(page.SkinForm1, &SkinForm::skinChanged, this, [&] {
        steps << QStringLiteral("skin ") + page.SkinForm1->CurrentSkin()->SkinTitle +
                     QStringLiteral(" while ") + visibility();
    });

    page.Form_Load();

    QCOMPARE(steps, QStringList({"splash loaded while hidden", "splash shown while hidden",
                                 "skin WinAqua while shown"}));
    QVERIFY(!page.Splash1->isVisible());
    QCOMPARE(page.SkinForm1->CurrentSkin(), page.skinStorages[0]->StoredSkin());
}

void TestStartup::mainWindowExistsWhileTheSplashIsUp() {
    StartupOptions options = quickStart();
    options.splashMilliseconds = 300;
    WindowSet windows(options);
    frmMain *page = windows.frmMain.get();
    // Made and loaded at once: the splash waits on a timer, not in a loop of its own.
    QVERIFY(windows.frmMain.loaded());
    QVERIFY(page->Splash1->isVisible());
    QVERIFY(!page->isVisible());
    QVERIFY(!page->SkinForm1->CurrentSkin());
    QTRY_VERIFY(page->isVisible());
    QVERIFY(!page->Splash1->isVisible());
    QCOMPARE(page->SkinForm1->CurrentSkin(), page->skinStorages[0]->StoredSkin());
}

void TestStartup::everySkinChangeReplaysTheEntrance() {
    WindowSet windows(quickStart());
    frmMain *page = windows.frmMain.get();
    QVERIFY(page->isVisible());
    SkinElement *panel = page->SkinPanel1->SkinElement();
    SkinElement *informasi = page->SkinButton2->SkinElement();
    SkinElement *next = page->SkinButton3->SkinElement();
    QVERIFY(panel && informasi && next);
    // Each element has jumped off its place and a script brings it back.
    QVERIFY(page->SkinPanel1->geometry() != panel->homeGeometry());
    QVERIFY(page->SkinButton2->geometry() != informasi->homeGeometry());
    QVERIFY(page->SkinButton3->geometry() != next->homeGeometry());

    // Another skin: the controls are re-skinned (new elements) and fly in again from
    // their places.
    const QRect nextHome = next->homeGeometry();
    const SkinRef media = page->skinStorages[6]->StoredSkin();
    page->ApplySkinToMain(media);
    QCOMPARE(page->SkinForm1->CurrentSkin(), media);
    QCOMPARE(page->SkinButton3->SkinElement()->homeGeometry(), nextHome);
    QCOMPARE(page->SkinButton3->SkinElement()->TopValue(), nextHome.y() + 80);
    QCOMPARE(page->Text1->palette().color(QPalette::Base), media->ControlColor1);
    QCOMPARE(page->Combo1->palette().color(QPalette::Text), media->ControlColor2);
    QSignalSpy done(page->SkinButton3->SkinElement(), &SkinElement::scriptFinished);
    QVERIFY(done.wait(4000));
    QCOMPARE(page->SkinButton3->geometry(), page->SkinButton3->SkinElement()->homeGeometry());
}

void TestStartup::skinFileThatCannotBeUsedChangesNothing() {
    ScopedWorkDir work;
    WindowSet windows(quickStart());
    frmMain *page = windows.frmMain.get();
    const SkinRef before = page->SkinForm1->CurrentSkin();
    QTRY_VERIFY(!page->SkinButton3->SkinElement()->isRunning());
    const QRect buttonPlace = page->SkinButton3->geometry();

    work.write(QStringLiteral("putus.skn"), "VELD-SKIN 1\n[skin]\ntitle = Putus\n");
    QVERIFY(QDir().mkdir(QStringLiteral("folder.skn")));
    for (const char *name : {"putus.skn", "tidak-ada.skn", "folder.skn"}) {
        QVERIFY(!page->openSkinFile(work.filePath(QLatin1String(name))));
        QCOMPARE(page->SkinForm1->CurrentSkin(), before);
        QCOMPARE(page->SkinButton3->geometry(), buttonPlace); // no entrance replayed
    }

    // A good file, written out from a built-in skin, is taken.
    work.write(QStringLiteral("media.skn"), writeSkinText(*page->skinStorages[6]->StoredSkin()));
    QVERIFY(page->openSkinFile(work.filePath(QStringLiteral("media.skn"))));
    QCOMPARE(page->SkinForm1->CurrentSkin()->SkinTitle, QStringLiteral("Media"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
