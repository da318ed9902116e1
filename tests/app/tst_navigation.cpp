// The navigation table read without making a window: every exit it names exists, and its
// roads lead as the wizard goes, from page I to the send page and back from every dialog.
#include "app/navigation_table.h"

#include <QtTest>
#include <optional>

using namespace navigation;

namespace {

std::optional<Road> roadOut(WindowId from, const char *exit) {
    for (const Road &road : roads())
        if (road.from == from && qstrcmp(road.exit, exit) == 0)
            return road;
    return std::nullopt;
}

QString nameOf(WindowId window) {
    return QString::fromLatin1(windowName(window));
}

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void everyExitIsASignalOfItsWindow();
    void registrationRunsFromPageOneToTheSendPage_data();
    void registrationRunsFromPageOneToTheSendPage();
    void everyDialogLeadsBackToThePageThatRaisedIt();
    void everyPageCanEndTheRun();
    void windowsThatWearTheMainSkinAreHandedNone();
};

void TestNavigation::everyExitIsASignalOfItsWindow() {
    // A misspelt exit would never be connected, and its window would lead nowhere.
    for (const Road &road : roads()) {
        const QMetaObject *windowClass = navigation::windowClass(road.from);
        QVERIFY2(windowClass, windowName(road.from));
        QVERIFY2(windowClass->indexOfSignal(road.exit) >= 0,
                 qPrintable(nameOf(road.from) + u' ' + QLatin1String(road.exit)));
        if (road.arrival != Arrival::Nothing && road.arrival != Arrival::EndsRun)
            QVERIFY2(road.to != WindowId::None, qPrintable(nameOf(road.from)));
        // A road that returns to a page needs a page to return to.
        if (road.arrival == Arrival::Returns)
            QVERIFY2(road.to == WindowId::Form5 || road.to == WindowId::Form6 ||
                         road.to == WindowId::Form7,
                     windowName(road.to));
    }
    // Every window has its design name and its class, which the fixture and the roads use.
    for (int i = int(WindowId::frmMain); i <= int(WindowId::Form14); ++i) {
        const auto id = WindowId(i);
        QCOMPARE(windowNamed(windowName(id)), id);
        QVERIFY2(navigation::windowClass(id), windowName(id));
    }
    // Each exit of a window has one road.
    for (const Road &road : roads()) {
        int count = 0;
        for (const Road &other : roads())
            count += other.from == road.from && qstrcmp(other.exit, road.exit) == 0;
        QVERIFY2(count == 1, qPrintable(nameOf(road.from) + u' ' + QLatin1String(road.exit)));
    }
}

void TestNavigation::registrationRunsFromPageOneToTheSendPage_data() {
    QTest::addColumn<QByteArray>("recordChoice");
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("name servers") << QByteArray("nameServersChosen()")
                                  << QStringList{"frmMain", "Form2", "Form4",
                                                 "Form5",   "Form7", "frmMail"};
    QTest::newRow("mail exchangers")
        << QByteArray("mailExchangersChosen()")
        << QStringList{"frmMain", "Form2", "Form4", "Form6", "Form7", "frmMail"};
}

void TestNavigation::registrationRunsFromPageOneToTheSendPage() {
    QFETCH(QByteArray, recordChoice);
    QFETCH(QStringList, pages);
    QStringList walked{nameOf(WindowId::frmMain)};
    WindowId at = WindowId::frmMain;
    while (at != WindowId::frmMail && walked.size() <= pages.size()) {
        const std::optional<Road> road =
            roadOut(at, at == WindowId::Form4 ? recordChoice.constData() : "completed()");
        QVERIFY2(road, windowName(at));
        QCOMPARE(road->arrival, Arrival::Shows);
        // Pages I and II are kept, hidden; every later page goes once it is done.
        const bool kept = at == WindowId::frmMain || at == WindowId::Form2;
        QCOMPARE(road->leaving, kept ? Leaving::Hides : Leaving::Unloads);
        QCOMPARE(road->order, Order::ArriveThenLeave);
        at = road->to;
        walked << nameOf(at);
    }
    QCOMPARE(walked, pages);
}

void TestNavigation::everyDialogLeadsBackToThePageThatRaisedIt() {
    int dialogs = 0;
    for (const Road &raised : roads()) {
        if (qstrcmp(raised.exit, "incomplete()") != 0)
            continue;
        ++dialogs;
        QCOMPARE(raised.arrival, Arrival::ShowsOver);
        QCOMPARE(raised.leaving, Leaving::Stays);
        const std::optional<Road> back = roadOut(raised.to, "dismissed()");
        QVERIFY2(back, windowName(raised.to));
        QCOMPARE(nameOf(back->to), nameOf(raised.from));
        QVERIFY(back->arrival == Arrival::Shows || back->arrival == Arrival::Returns);
        QVERIFY(back->leaving != Leaving::Stays);
    }
    QCOMPARE(dialogs, 5);
    // The work-file dialog comes up over whichever page failed, and goes back to it.
    const std::optional<Road> reported = roadOut(WindowId::WorkFileErrorDialog, "dismissed()");
    QVERIFY(reported);
    QCOMPARE(reported->to, WindowId::Owner);
    QCOMPARE(reported->leaving, Leaving::Hides);
    // The hidden gallery, behind page V's dialog, always comes back to page V.
    for (WindowId gallery : {WindowId::Form9, WindowId::Form14}) {
        const std::optional<Road> back = roadOut(gallery, "dismissed()");
        QVERIFY(back);
        QCOMPARE(back->to, WindowId::Form7);
        QCOMPARE(back->leaving, Leaving::Unloads);
    }
}

void TestNavigation::everyPageCanEndTheRun() {
    for (WindowId page : {WindowId::frmMain, WindowId::Form2, WindowId::Form4, WindowId::Form5,
                          WindowId::Form6, WindowId::Form7, WindowId::frmMail}) {
        const std::optional<Road> end = roadOut(page, "endRequested()");
        QVERIFY2(end, windowName(page));
        QCOMPARE(end->arrival, Arrival::EndsRun);
    }
}

void TestNavigation::windowsThatWearTheMainSkinAreHandedNone() {
    // Page I, page II, its dialog and the about box wear the main window's skin, which they take
    // themselves; every other window a page leads to is handed the page's skin, except the
    // viewer from page V, which takes the main window's skin itself too. A page a work-file
    // error leads back to keeps the skin it wore.
    for (const Road &road : roads()) {
        if (road.arrival == Arrival::Nothing || road.arrival == Arrival::EndsRun)
            continue;
        const bool takesMainSkin = road.to == WindowId::Form2 || road.to == WindowId::Form3 ||
                                   road.to == WindowId::frmAbout || road.to == WindowId::frmMain ||
                                   road.to == WindowId::Owner ||
                                   (road.from == WindowId::Form7 && road.to == WindowId::Form13);
        QCOMPARE(road.skin == SkinHandOver::Kept, takesMainSkin);
    }
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
