// The window set: each window once, made on first reference, fresh after an unload;
// the end of a run; closing through the window manager.
#include "support/gui_fixture.h"
#include "ui/skin_button.h"
#include "wizard/incomplete_data_dialog.h"
#include "wizard/information_viewer.h"
#include "wizard/main_window.h"

#include <QComboBox>

class TestWindowSet : public GuiTest {
    Q_OBJECT
private slots:
    void eachWindowExistsOnceAndIsMadeOnFirstReference();
    void hideKeepsContentsAndUnloadLosesThem();
    void unloadFromTheWindowsOwnHandlerIsSafe();
    void endClosesEveryWindow();
    void closingTheViewerThroughTheWindowManagerHidesIt();
};

void TestWindowSet::eachWindowExistsOnceAndIsMadeOnFirstReference() {
    QVERIFY(!loaded<Form13>());
    Form13 *viewer = window<Form13>();
    QVERIFY(loaded<Form13>());
    QCOMPARE(window<Form13>(), viewer);
    QCOMPARE(countTopLevel([](QWidget *w) { return w->objectName() == QLatin1String("Form13"); }),
             1);
}

void TestWindowSet::hideKeepsContentsAndUnloadLosesThem() {
    frmMain *page = window<frmMain>();
    field(page, "Text2")->setText(QStringLiteral("Koperasi Nelayan"));
    page->hide();
    QCOMPARE(field(window<frmMain>(), "Text2")->text(), QStringLiteral("Koperasi Nelayan"));

    QPointer<frmMain> old = page;
    unload<frmMain>();
    QVERIFY(!loaded<frmMain>());
    frmMain *fresh = window<frmMain>();
    QVERIFY(fresh != old.data());
    QVERIFY(field(fresh, "Text2")->text().isEmpty());
    QCOMPARE(control<QComboBox>(fresh, "Combo1")->currentText(), QStringLiteral("domain"));
    QTRY_VERIFY(old.isNull()); // the unloaded window is really destroyed
}

void TestWindowSet::unloadFromTheWindowsOwnHandlerIsSafe() {
    Form13 *viewer = window<Form13>();
    QPointer<Form13> watch = viewer;
    // A handler of the window asks for its own unload and then goes on using the window.
    QObject::connect(button(viewer, "SkinButton1"), &SkinButton::clicked, viewer, [this, viewer] {
        unload<Form13>();
        viewer->setWindowTitle(QStringLiteral("still here"));
    });
    button(viewer, "SkinButton1")->click();
    QVERIFY(!loaded<Form13>());
    QTRY_VERIFY(watch.isNull());
}

void TestWindowSet::endClosesEveryWindow() {
    window<frmMain>();
    window<Form13>()->Show();
    incompleteDialog("FormMessageBox")->Show();
    end();
    QCOMPARE(endings(), 1);
    QVERIFY(!loaded<frmMain>() && !loaded<Form13>() && !isLoaded("FormMessageBox"));
    QTRY_COMPARE(countTopLevel([](QWidget *w) { return w->isVisible(); }), 0);
}

void TestWindowSet::closingTheViewerThroughTheWindowManagerHidesIt() {
    window<frmMain>();
    Form13 *viewer = window<Form13>();
    viewer->Show();
    viewer->close();
    QVERIFY(!viewer->isVisible());
    QVERIFY(loaded<Form13>());
}

QTEST_MAIN(TestWindowSet)
#include "tst_window_set.moc"
