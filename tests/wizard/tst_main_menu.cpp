// The main window's menu bar: the skins it applies, the skin-file dialog and the files it
// refuses, and the switched-off entries that neither a click nor a shortcut can choose.
#include "support/gui_fixture.h"
#include "ui/skin_button.h"
#include "ui/skin_file.h"
#include "ui/skin_storage.h"
#include "wizard/main_window.h"

#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>
#include <functional>

namespace {

// Answers the next file dialog once it is open.
void answerFileDialog(std::function<void(QFileDialog *)> answer) {
    QTimer::singleShot(0, [answer] {
        QFileDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())));
        answer(dialog);
    });
}

// How far the option button's circle stands out from the background behind it: the largest
// difference in grey level between a pixel of the circle's square and the background.
int circleContrast(QRadioButton *option) {
    const QImage image = option->grab().toImage();
    QStyleOptionButton style;
    style.initFrom(option);
    const QRect circle =
        option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
    const int background = qGray(option->palette().color(QPalette::Window).rgb());
    const qreal ratio = image.devicePixelRatio();
    int contrast = 0;
    for (int y = circle.top(); y <= circle.bottom(); ++y)
        for (int x = circle.left(); x <= circle.right(); ++x)
            contrast =
                std::max(contrast, std::abs(qGray(image.pixel(QPoint(x, y) * ratio)) - background));
    return contrast;
}

} // namespace

class TestMainMenu : public GuiTest {
    Q_OBJECT
private slots:
    void init();
    void eachSkinEntryAppliesItsSkin();
    void switchedOffEntriesCannotBeChosen();
    void skinFileDialogOffersBothKindsAndSwallowsFailures();

private:
    QAction *action(const char *name) const { return control<QAction>(page, QLatin1String(name)); }
    frmMain *page = nullptr;
};

void TestMainMenu::init() {
    GuiTest::init();
    page = window<frmMain>();
    QVERIFY(waitUntilActive(page));
}

void TestMainMenu::eachSkinEntryAppliesItsSkin() {
    const QList<QAction *> skins = action("mnBuildSkin")->menu()->actions();
    QCOMPARE(skins.size(), 8);
    // Backwards, so that every entry changes the skin.
    for (int i = 7; i >= 0; --i) {
        QCOMPARE(chooseSkin(page, i)->SkinTitle, skins[i]->text());
        // The status options stay readable: their circles show on every background.
        for (const char *option : {"Option1", "Option2", "Option3"})
            QVERIFY2(circleContrast(control<QRadioButton>(page, QLatin1String(option))) >= 60,
                     qPrintable(skins[i]->text()));
    }
}

void TestMainMenu::switchedOffEntriesCannotBeChosen() {
    const SkinRef before = page->SkinForm1->CurrentSkin();
    QList<QSignalSpy *> spies;
    for (const char *name :
         {"mnImportWinamp", "mnSave", "mnAutoApply", "mnApplySkin", "mnRemoveSkin", "mnControls"})
        spies << new QSignalSpy(action(name), &QAction::triggered);

    QTest::keyClick(page, Qt::Key_W, Qt::ControlModifier);
    QTest::keyClick(page, Qt::Key_S, Qt::ControlModifier);
    // A click on "Controls" opens nothing; a click on a greyed entry chooses nothing.
    auto *menuBar = page->findChild<QMenuBar *>();
    QTest::mouseClick(menuBar, Qt::LeftButton, {},
                      menuBar->actionGeometry(action("mnControls")).center());
    QVERIFY(!action("mnControls")->menu()->isVisible());
    QMenu *file = action("mnFile")->menu();
    file->popup(page->mapToGlobal(QPoint(0, 0)));
    QVERIFY(QTest::qWaitForWindowExposed(file));
    QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(action("mnSave")).center());
    QCoreApplication::processEvents();
    for (QSignalSpy *spy : spies)
        QCOMPARE(spy->count(), 0);
    qDeleteAll(spies);
    QCOMPARE(page->SkinForm1->CurrentSkin(), before);
    QCOMPARE(endings(), 0);
    file->hide();

    // The live shortcut on the same menu does its work: "Dea&ktifasi" ends the run.
    QVERIFY(waitUntilActive(page));
    QTest::keyClick(page, Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(endings(), 1);
}

void TestMainMenu::skinFileDialogOffersBothKindsAndSwallowsFailures() {
    const SkinRef before = page->SkinForm1->CurrentSkin();
    QStringList filters;
    answerFileDialog([&filters](QFileDialog *dialog) {
        filters = dialog->nameFilters();
        dialog->reject();
    });
    action("mnOpenSkin")->trigger();
    QCOMPARE(filters, QStringList({"Skin Files (*.skn)", "Old-styled skins (*.xml)"}));
    QCOMPARE(page->SkinForm1->CurrentSkin(), before);

    // A file that is no skin changes nothing, says nothing and replays no entrance (the
    // ways a file is refused are the skin file tests'); a good one is applied.
    auto choose = [this](const QString &name) {
        answerFileDialog([this, name](QFileDialog *dialog) {
            dialog->selectNameFilter(QStringLiteral("Old-styled skins (*.xml)"));
            dialog->selectFile(work().filePath(name));
            static_cast<QDialog *>(dialog)->accept(); // as the Open button does
        });
        action("mnOpenSkin")->trigger();
    };
    SkinButton *next = button(page, "SkinButton3");
    QTRY_VERIFY(!next->SkinElement()->isRunning());
    const QRect nextPlace = next->geometry();
    work().write(QStringLiteral("rusak.xml"), "<veld-skin version=\"1\"><skin>");
    choose(QStringLiteral("rusak.xml"));
    QCOMPARE(page->SkinForm1->CurrentSkin(), before);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(next->geometry(), nextPlace);
    const SkinStorage media(QLatin1String(builtinSkins[6].resource));
    work().write(QStringLiteral("media.xml"), writeSkinXml(*media.StoredSkin()));
    choose(QStringLiteral("media.xml"));
    QCOMPARE(page->SkinForm1->CurrentSkin()->SkinTitle, QStringLiteral("Media"));
}

QTEST_MAIN(TestMainMenu)
#include "tst_main_menu.moc"
