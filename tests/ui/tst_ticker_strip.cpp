// The ticker strips of page III and the send page: their restart rule, messages without a
// width of their own, and the timer that drives them.
#include "mail/send_page.h"
#include "ui/ticker_strip.h"
#include "wizard/record_choice_page.h"

#include <QtTest>

class TestTickerStrip : public QObject {
    Q_OBJECT
private slots:
    void restartsOnlyWhenTheWholeStripIsOut_data();
    void restartsOnlyWhenTheWholeStripIsOut();
    void firstPassEndsAndTheStripComesBackFromTheRight();
    void messageWithoutAWidthReachesToTheNext();
    void timerMovesTheStripEvery25Milliseconds();
    void stripIsShownWhereItIsInTheColoursOfNow();
};

void TestTickerStrip::restartsOnlyWhenTheWholeStripIsOut_data() {
    QTest::addColumn<bool>("send");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("next");
    QTest::newRow("page III start") << false << 3600 << 3570;
    QTest::newRow("page III first message gone") << false << -4500 << -4530;
    QTest::newRow("page III exactly minus the width") << false << -9615 << -9645;
    QTest::newRow("page III wholly out") << false << -9616 << 3969;
    QTest::newRow("send page start") << true << 4800 << 4775;
    QTest::newRow("send page exactly minus the width") << true << -10935 << -10960;
    QTest::newRow("send page wholly out") << true << -10960 << 5769;
}

void TestTickerStrip::restartsOnlyWhenTheWholeStripIsOut() {
    QFETCH(bool, send);
    QFETCH(int, left);
    QFETCH(int, next);
    QCOMPARE(nextTickerLeft(left, send ? frmMail::hintDesign() : Form4::hintDesign()), next);
}

void TestTickerStrip::firstPassEndsAndTheStripComesBackFromTheRight() {
    QWidget page;
    TickerStrip ticker(Form4::hintDesign(), &page);
    ticker.findChild<QTimer *>()->stop(); // the strip's one timer; the test ticks it
    QCOMPARE(ticker.stripLeft(), 3600);
    // 441 steps of 30 take the strip to -9630, the first position below -9615.
    for (int tick = 0; tick < 441; ++tick)
        ticker.Timer1_Timer();
    QCOMPARE(ticker.stripLeft(), -9630);
    ticker.Timer1_Timer();
    QCOMPARE(ticker.stripLeft(), 3969);
}

void TestTickerStrip::messageWithoutAWidthReachesToTheNext() {
    QWidget page;
    TickerStrip send(frmMail::hintDesign(), &page);
    const QList<QLabel *> labels = send.findChildren<QLabel *>(); // Label1, Label2, ...
    QCOMPARE(labels[0]->geometry().right() + 1, labels[1]->x());
    // The last one to the strip's end.
    QCOMPARE(labels.last()->geometry().right() + 1, send.findChild<QWidget *>("Picture2")->width());
}

void TestTickerStrip::timerMovesTheStripEvery25Milliseconds() {
    QWidget page;
    TickerStrip ticker(frmMail::hintDesign(), &page);
    const QTimer *timer = ticker.findChild<QTimer *>();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 25);
    QTRY_VERIFY(ticker.stripLeft() <= 4800 - 2 * 25);
    QCOMPARE((4800 - ticker.stripLeft()) % 25, 0);
}

// The pixels of the image that are not its background colour: the texts' ink.
QList<QColor> ink(const QImage &image, QColor background) {
    QList<QColor> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background)
                pixels << image.pixelColor(x, y);
    return pixels;
}

void TestTickerStrip::stripIsShownWhereItIsInTheColoursOfNow() {
    QWidget page;
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    page.setPalette(palette);
    TickerStrip ticker(Form4::hintDesign(), &page);
    ticker.findChild<QTimer *>()->stop();
    for (int tick = 0; tick < 442; ++tick) // back in from the right: nothing in the window yet
        ticker.Timer1_Timer();
    QCOMPARE(ticker.stripLeft(), 3969);
    QVERIFY(ink(ticker.grab().toImage(), Qt::white).isEmpty());
    for (int tick = 0; tick < 100; ++tick)
        ticker.Timer1_Timer();
    const QList<QColor> moved = ink(ticker.grab().toImage(), Qt::white);
    QVERIFY(moved.size() > 100);

    // A new skin's colours: the strip is not shown as it was drawn before.
    palette.setColor(QPalette::Base, Qt::darkBlue);
    palette.setColor(QPalette::Text, Qt::yellow);
    page.setPalette(palette);
    const QList<QColor> recoloured = ink(ticker.grab().toImage(), Qt::darkBlue);
    QCOMPARE(recoloured.size(), moved.size());
    for (const QColor &pixel : recoloured) // yellow over dark blue, not grey over white
        QVERIFY2(pixel.red() > 0 && pixel.red() == pixel.green() && pixel.blue() < 128,
                 qPrintable(pixel.name()));
}

QTEST_MAIN(TestTickerStrip)
#include "tst_ticker_strip.moc"
