// The about box: reached from "Detail", modal over page I; the skin's texts, the
// typewriter, the skin of every element after an activation, and the credits it opens.
#include "extras/about_box.h"
#include "extras/credits_roll.h"
#include "support/accessibility_walk.h"
#include "support/gui_fixture.h"
#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "ui/skin_panel.h"
#include "ui/skin_storage.h"
#include "wizard/main_window.h"

#include <QMenuBar>

class TestAboutBox : public GuiTest {
    Q_OBJECT
private slots:
    void init();
    void detailShowsTheBoxModalOverThePage();
    void skinTextsReplaceOnlyWhereTheSkinHasText();
    void typewriterTypesTheAcronymOverAndOver();
    void typewriterRestsWhileHiddenAndKeepsItsBeat();
    void activationSkinsEveryElement();
    void creditsTakeTheBoxsPlaceAsModalDialogs();

private:
    SkinLabel *label(const char *name) const {
        return control<SkinLabel>(about, QLatin1String(name));
    }
    frmMain *page = nullptr;
    frmAbout *about = nullptr;
};

void TestAboutBox::init() {
    GuiTest::init();
    page = window<frmMain>();
    QVERIFY(waitUntilActive(page));
    // "Detail" is an entry of the menu bar itself, chosen by a click on it.
    auto *menuBar = page->findChild<QMenuBar *>();
    QTest::mouseClick(menuBar, Qt::LeftButton, {},
                      menuBar->actionGeometry(control<QAction>(page, "mnAbout")).center());
    QVERIFY(loaded<frmAbout>());
    about = window<frmAbout>();
    QVERIFY(waitUntilActive(about));
}

void TestAboutBox::detailShowsTheBoxModalOverThePage() {
    QCOMPARE(about->parentWidget(), page);
    QCOMPARE(about->windowModality(), Qt::WindowModal);
    QCOMPARE(QApplication::activeModalWidget(), about);

    button(about, "SkinButton1")->click();
    QVERIFY(!about->isVisible());
    QVERIFY(page->isVisible());
    QVERIFY(waitUntilActive(page));
    QVERIFY(loaded<frmAbout>()); // only hidden

    // Closed through the window manager it does what "Baiklah.." does.
    page->mnAbout_Click();
    QVERIFY(waitUntilActive(about));
    about->close();
    QVERIFY(!about->isVisible());
    QVERIFY(loaded<frmAbout>());
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
    unload<frmAbout>();
    page->ApplySkinToMain(skinWith("", "Raka", ""));
    about = window<frmAbout>();
    about->Form_Activate();
    QCOMPARE(label("sklbTitle")->text(), QStringLiteral("Unknown"));
    QCOMPARE(label("sklbArtist")->text(), QStringLiteral("Raka"));
    QCOMPARE(label("sklbInfo")->text(), QStringLiteral("Unknown"));

    // The next skin's empty artist keeps the one shown before.
    page->ApplySkinToMain(skinWith("Pasir", "", "Warna pantai"));
    about->Form_Activate();
    QCOMPARE(label("sklbTitle")->text(), QStringLiteral("Pasir"));
    QCOMPARE(label("sklbArtist")->text(), QStringLiteral("Raka"));
    QCOMPARE(label("sklbInfo")->text(), QStringLiteral("Warna pantai"));
    QCOMPARE(about->SkinForm1->CurrentSkin(), page->SkinForm1->CurrentSkin());
}

void TestAboutBox::typewriterTypesTheAcronymOverAndOver() {
    QVERIFY(!label("SkinLabel6")->isVisible()); // the version waits for the first tick
    QCOMPARE(label("sklbDemo")->text(), QStringLiteral("KAVRO"));
    QStringList shown;
    for (int tick = 0; tick < 7; ++tick) {
        about->Timer1_Timer();
        shown << label("sklbDemo")->text();
    }
    QCOMPARE(shown, QStringList({"", "K", "KA", "KAV", "KAVR", "KAVRO", ""}));
    QVERIFY(label("SkinLabel6")->isVisible());

    // A caption outside the cycle starts it again from the empty text.
    for (const char *foreign : {"AV", "kav", "KAVROX", "Versi"}) {
        label("sklbDemo")->setText(QLatin1String(foreign));
        about->Timer1_Timer();
        QCOMPARE(label("sklbDemo")->text(), QString());
    }
}

void TestAboutBox::typewriterRestsWhileHiddenAndKeepsItsBeat() {
    QTimer *timer = control<QTimer>(about, "Timer1");
    about->Timer1_Timer(); // a step now: the empty text
    button(about, "SkinButton1")->click();
    QVERIFY(!about->isVisible());
    QVERIFY(!timer->isActive()); // nothing ticks for a box nobody sees
    QTest::qWait(2600);          // one step and part of the next while hidden

    page->mnAbout_Click();
    QVERIFY(about->isVisible());
    // Back, it shows what it would have shown had it typed on, and the next step comes
    // when it would have come: 2 x 1750 ms after the step before hiding.
    QCOMPARE(label("sklbDemo")->text(), QStringLiteral("K"));
    QVERIFY(timer->isActive());
    QVERIFY2(timer->remainingTime() <= 1750 - 600,
             qPrintable(QString::number(timer->remainingTime())));
    QTRY_COMPARE_WITH_TIMEOUT(label("sklbDemo")->text(), QStringLiteral("KA"), 1750);
    QCOMPARE(timer->interval(), 1750);
}

// Where each element jumps to is the entrance routines' test; here every element has its
// skin, and the box the main window's opacity.
void TestAboutBox::activationSkinsEveryElement() {
    page->SkinForm1->setSkinFormLevel(200);
    about->Form_Activate();
    for (SkinLabel *label : about->findChildren<SkinLabel *>())
        QVERIFY2(label->SkinElement(), qPrintable(label->objectName()));
    for (const char *name : {"SkinButton1", "SkinButton2"})
        QVERIFY2(button(about, QLatin1String(name))->SkinElement(), name);
    QVERIFY(control<SkinPanel>(about, "SkinPanel1")->SkinElement());
    // The panel is a background, nothing more, to a screen reader.
    QVERIFY(!findNode(accessibleTree(qApp), control(about, "SkinPanel1")));
    QCOMPARE(about->SkinForm1->SkinFormLevel(), 200);
}

void TestAboutBox::creditsTakeTheBoxsPlaceAsModalDialogs() {
    QCOMPARE(modalDialogCheck(about, QStringLiteral("Detail")), QStringList());
    page->ApplySkinToMain(page->skinStorages[6]->StoredSkin());
    about->Form_Activate();
    button(about, "SkinButton2")->click();
    QVERIFY(!about->isVisible());
    FormCredits *credits = window<FormCredits>();
    QVERIFY(waitUntilActive(credits));
    QCOMPARE(credits->SkinForm1->CurrentSkin(), page->skinStorages[6]->StoredSkin());
    QCOMPARE(credits->parentWidget(), about); // they belong to the box
    QCOMPARE(modalDialogCheck(credits, QStringLiteral("Credits ...")), QStringList());
}

QTEST_MAIN(TestAboutBox)
#include "tst_about_box.moc"
