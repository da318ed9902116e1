// The about box: reached from "Detail", modal over page I; the skin's texts, the
// typewriter, where every element stands right after an activation, and the credits it opens.
#include "extras/about_box.h"
#include "extras/credits_roll.h"
#include "support/accessibility_walk.h"
#include "support/windows.h"
#include "wizard/main_window.h"
#include "wizard/quick_start.h"
#include "app/window_set.h"

#include <QtTest>

namespace {
// The slide-in back to `top`, as the statements of the script the design writes for it.
std::vector<ScriptStatement> slideBack(int top) {
    return parseAnimationScript(
               QStringLiteral("wait 500; moveto - %1   - -   - -  1000 decel").arg(top))
        .value();
}
} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void detailShowsTheBoxModalOverThePage();
    void skinTextsReplaceOnlyWhereTheSkinHasText();
    void typewriterTypesTheAcronymOverAndOver();
    void activationPlacesEveryElementForItsEntrance();
    void creditsTakeTheBoxsPlaceAsModalDialogs();

private:
    std::unique_ptr<WindowSet> windows;
    frmMain *page = nullptr;
    frmAbout *about = nullptr;
};

void TestAboutBox::init() {
    windows = std::make_unique<WindowSet>(quickStart());
    page = windows->frmMain.get();
    QVERIFY(waitUntilActive(page));
    // "Detail" is an entry of the menu bar itself, chosen by a click on it.
    QAction *detail = page->menuBar->findChild<QAction *>(QStringLiteral("mnAbout"));
    QVERIFY(detail);
    QTest::mouseClick(page->menuBar, Qt::LeftButton, {},
                      page->menuBar->actionGeometry(detail).center());
    QVERIFY(windows->frmAbout.loaded());
    about = windows->frmAbout.get();
    QVERIFY(waitUntilActive(about));
}

void TestAboutBox::cleanup() {
    windows.reset();
}

void TestAboutBox::detailShowsTheBoxModalOverThePage() {
    QCOMPARE(about->windowTitle(), QStringLiteral("Detail"));
    QCOMPARE(about->parentWidget(), page);
    QCOMPARE(about->windowModality(), Qt::WindowModal);
    QCOMPARE(QApplication::activeModalWidget(), about);

    about->SkinButton1->click();
    QVERIFY(!about->isVisible());
    QVERIFY(page->isVisible());
    QVERIFY(waitUntilActive(page));
    QVERIFY(windows->frmAbout.loaded()); // only hidden: its typewriter goes on
    QVERIFY(about->Timer1->isActive());

    // Closed through the window manager it does what "Baiklah.." does.
    page->mnAbout_Click();
    QVERIFY(waitUntilActive(about));
    about->close();
    QVERIFY(!about->isVisible());
    QVERIFY(windows->frmAbout.loaded());
    QVERIFY(waitUntilActive(page));
}

void TestAboutBox::skinTextsReplaceOnlyWhereTheSkinHasText() {
    auto skinWith = [this](const char *title, const char *artist, const char *info) {
        auto skin = std::make_shared<Skin>(*page->skinStorages[0]->StoredSkin());
        skin->SkinTitle = QLatin1String(title);
        skin->SkinArtist = QLatin1String(artist);
        skin->SkinInfo = QLatin1String(info);
        return skin;
    };
    // A fresh box with a skin that names only its artist.
    windows->frmAbout.unload();
    page->ApplySkinToMain(skinWith("", "Raka", ""));
    about = windows->frmAbout.get();
    about->Form_Activate();
    QCOMPARE(about->sklbTitle->text(), QStringLiteral("Unknown"));
    QCOMPARE(about->sklbArtist->text(), QStringLiteral("Raka"));
    QCOMPARE(about->sklbInfo->text(), QStringLiteral("Unknown"));

    // The next skin's empty artist keeps the one shown before.
    page->ApplySkinToMain(skinWith("Pasir", "", "Warna pantai"));
    about->Form_Activate();
    QCOMPARE(about->sklbTitle->text(), QStringLiteral("Pasir"));
    QCOMPARE(about->sklbArtist->text(), QStringLiteral("Raka"));
    QCOMPARE(about->sklbInfo->text(), QStringLiteral("Warna pantai"));
    QCOMPARE(about->SkinForm1->CurrentSkin(), page->SkinForm1->CurrentSkin());
}

void TestAboutBox::typewriterTypesTheAcronymOverAndOver() {
    QVERIFY(!about->SkinLabel6->isVisible()); // the version waits for the first tick
    QCOMPARE(about->sklbDemo->text(), QStringLiteral("KAVRO"));
    QStringList shown;
    for (int tick = 0; tick < 7; ++tick) {
        about->Timer1_Timer();
        shown << about->sklbDemo->text();
    }
    QCOMPARE(shown, QStringList({"", "K", "KA", "KAV", "KAVR", "KAVRO", ""}));
    QVERIFY(about->SkinLabel6->isVisible());

    // A caption outside the cycle starts it again from the empty text.
    for (const char *foreign : {"AV", "kav", "KAVROX", "Versi"}) {
        about->sklbDemo->setText(QLatin1String(foreign));
        about->Timer1_Timer();
        QCOMPARE(about->sklbDemo->text(), QString());
    }
}

void TestAboutBox::activationPlacesEveryElementForItsEntrance() {
    page->SkinForm1->setSkinFormLevel(200);
    about->Form_Activate();

    SkinElement *demo = about->sklbDemo->SkinElement();
    SkinElement *version = about->SkinLabel6->SkinElement();
    SkinElement *panel = about->SkinPanel1->SkinElement();
    QVERIFY(demo && version && panel);
    const int demoTop = demo->homeGeometry().y();
    const QString rise = QStringLiteral("moveto - %1 - - - - 1000 decel").arg(demoTop);
    QCOMPARE(demo->TopValue(), demoTop + 100);
    QCOMPARE(demo->lastScript(), rise);
    // The version comes up from 420 below onto the acronym's line.
    QCOMPARE(version->TopValue(), demoTop + 420);
    QCOMPARE(version->lastScript(), rise);
    QCOMPARE(demo->ElementLevel(), 225);
    QCOMPARE(version->ElementLevel(), 225);

    const QRect panelHome = panel->homeGeometry();
    QCOMPARE(about->SkinPanel1->geometry(), QRect(10, 10, 10, 10));
    QCOMPARE(panel->lastScript(), QStringLiteral("moveto %1 %2 - - %3 %4 1000 decel")
                                      .arg(panelHome.x())
                                      .arg(panelHome.y())
                                      .arg(panelHome.width())
                                      .arg(panelHome.height()));

    for (SkinButton *button : {about->SkinButton1, about->SkinButton2}) {
        SkinElement *element = button->SkinElement();
        QVERIFY(element);
        QCOMPARE(element->TopValue(), element->homeGeometry().y() - 330);
        QCOMPARE(element->lastStatements(), slideBack(element->homeGeometry().y()));
    }
    for (SkinLabel *label : about->findChildren<SkinLabel *>())
        QVERIFY2(label->SkinElement(), qPrintable(label->objectName()));
    QCOMPARE(about->SkinForm1->SkinFormLevel(), 200);
}

void TestAboutBox::creditsTakeTheBoxsPlaceAsModalDialogs() {
    auto checkDialog = [](SkinWindow *window, const QString &name) {
        const QStringList problems = modalDialogProblems(accessibleTree(qApp), window, name);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    };
    checkDialog(about, QStringLiteral("Detail"));
    QVERIFY(!findNode(accessibleTree(qApp), about->SkinPanel1)); // a background, nothing more

    page->ApplySkinToMain(page->skinStorages[6]->StoredSkin());
    about->Form_Activate();
    about->SkinButton2->click();
    QVERIFY(!about->isVisible());
    FormCredits *credits = windows->FormCredits.get();
    QVERIFY(waitUntilActive(credits));
    QCOMPARE(credits->SkinForm1->CurrentSkin(), page->skinStorages[6]->StoredSkin());
    // The credits belong to the box and take the input while they run.
    QCOMPARE(credits->parentWidget(), about);
    QTest::mouseMove(credits->windowHandle(), QPoint(10, credits->height() - 10));
    QTRY_VERIFY(credits->SkinButton1->isVisible());
    checkDialog(credits, QStringLiteral("Credits ..."));
}

QTEST_MAIN(TestAboutBox)
#include "tst_about_box.moc"
