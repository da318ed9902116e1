// The window set: each window once, made on first reference, fresh after an unload;
// the end of a run; closing through the window manager.
#include "app/window_set.h"
#include "quick_start.h"
#include "wizard/contact_page.h"
#include "wizard/incomplete_data_dialog.h"
#include "wizard/information_viewer.h"
#include "wizard/main_window.h"

#include <QtTest>
#include <algorithm>

namespace {
template <class Predicate> int countTopLevel(Predicate predicate) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return int(std::count_if(windows.begin(), windows.end(), predicate));
}
} // namespace

class TestWindowSet : public QObject {
    Q_OBJECT
private slots:
    void eachWindowExistsOnceAndIsMadeOnFirstReference();
    void hideKeepsContentsAndUnloadLosesThem();
    void unloadFromTheWindowsOwnHandlerIsSafe();
    void endClosesEveryWindow();
    void closingTheViewerThroughTheWindowManagerHidesIt();
};

void TestWindowSet::eachWindowExistsOnceAndIsMadeOnFirstReference() {
    WindowSet windows(quickStart());
    QVERIFY(!windows.Form13.loaded());
    Form13 *viewer = windows.Form13.get();
    QVERIFY(windows.Form13.loaded());
    QCOMPARE(windows.Form13.get(), viewer);
    QCOMPARE(countTopLevel([](QWidget *w) { return w->objectName() == QLatin1String("Form13"); }),
             1);
}

void TestWindowSet::hideKeepsContentsAndUnloadLosesThem() {
    WindowSet windows(quickStart());
    frmMain *page = windows.frmMain.get();
    page->Text2->setText(QStringLiteral("Koperasi Nelayan"));
    page->hide();
    QCOMPARE(windows.frmMain.get()->Text2->text(), QStringLiteral("Koperasi Nelayan"));

    QPointer<frmMain> old = page;
    windows.frmMain.unload();
    QVERIFY(!windows.frmMain.loaded());
    frmMain *fresh = windows.frmMain.get();
    QVERIFY(fresh != old.data());
    QVERIFY(fresh->Text2->text().isEmpty());
    QCOMPARE(fresh->Combo1->currentText(), QStringLiteral("domain"));
    QTRY_VERIFY(old.isNull()); // the unloaded window is really destroyed
}

void TestWindowSet::unloadFromTheWindowsOwnHandlerIsSafe() {
    WindowSet windows(quickStart());
    Form13 *viewer = windows.Form13.get();
    QPointer<Form13> watch = viewer;
    // A handler of the window asks for its own unload and then goes on using the window.
    QObject::connect(viewer->SkinButton1, &SkinButton::clicked, viewer, [&windows, viewer] {
        windows.Form13.unload();
        viewer->setWindowTitle(QStringLiteral("still here"));
    });
    viewer->SkinButton1->click();
    QVERIFY(!windows.Form13.loaded());
    QTRY_VERIFY(watch.isNull());
}

void TestWindowSet::endClosesEveryWindow() {
    WindowSet windows(quickStart());
    windows.frmMain.get();
    windows.Form13.get()->Show();
    windows.FormMessageBox.get()->Show();
    QSignalSpy ended(&windows, &WindowSet::ended);
    windows.End();
    QCOMPARE(ended.count(), 1);
    QVERIFY(!windows.frmMain.loaded());
    QVERIFY(!windows.Form13.loaded());
    QVERIFY(!windows.FormMessageBox.loaded());
    QTRY_COMPARE(countTopLevel([](QWidget *w) { return w->isVisible(); }), 0);
}

void TestWindowSet::closingTheViewerThroughTheWindowManagerHidesIt() {
    WindowSet windows(quickStart());
    windows.frmMain.get();
    Form13 *viewer = windows.Form13.get();
    viewer->Show();
    viewer->close();
    QVERIFY(!viewer->isVisible());
    QVERIFY(windows.Form13.loaded());
}

QTEST_MAIN(TestWindowSet)
#include "tst_window_set.moc"
