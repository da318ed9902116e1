// The credits: the text and its order, the roll's geometry and pace, the pointer's
// effects, and every way the roll ends.
#include "extras/about_box.h"
#include "extras/credits_roll.h"
#include "support/gui_fixture.h"
#include "ui/skin_button.h"
#include "veld_version.h"
#include "wizard/main_window.h"

class TestCreditsRoll : public GuiTest {
    Q_OBJECT
private slots:
    void init();
    void textKeepsItsOrderAndLineEnds();
    void rollEntersFromBelowOneUnitPerFrameAndComesBack();
    void rollWaitsMoreThanFortyMillisecondsPerFrame();
    void emptyTextClosesTheWindowAtOnce();
    void pointerShowsTheButtonAndBaiklahReturnsToTheAboutBox();
    void everyUnloadStopsTheRoll_data();
    void everyUnloadStopsTheRoll();

private:
    void openCredits();
    CreditsScroll *scroll() const { return control<CreditsScroll>(credits, "picScroll"); }
    frmAbout *about = nullptr;
    FormCredits *credits = nullptr;
};

void TestCreditsRoll::init() {
    GuiTest::init();
    frmMain *page = window<frmMain>();
    QVERIFY(waitUntilActive(page));
    page->mnAbout_Click();
    about = window<frmAbout>();
    QVERIFY(waitUntilActive(about));
}

void TestCreditsRoll::openCredits() {
    about->SkinButton2_Click();
    credits = window<FormCredits>();
    QVERIFY(waitUntilActive(credits));
    QVERIFY(credits->isRolling());
}

void TestCreditsRoll::textKeepsItsOrderAndLineEnds() {
    const QString text = FormCredits::creditsText();
    QVERIFY(!text.contains(QRegularExpression(QStringLiteral("\r(?!\n)|(?<!\r)\n"))));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    // Text lines (x) and empty lines (.) in the order of the acknowledgement.
    QString shape;
    for (const QString &line : lines)
        shape += line.isEmpty() ? QLatin1Char('.') : QLatin1Char('x');
    QCOMPARE(shape, QStringLiteral("x..xx..x..xxxxx..xxxx...x..x.x"));
    QVERIFY(lines[0].contains(QStringLiteral("VELDA v %1 ").arg(QLatin1String(program::version))));
    // The maker's three mailboxes, on the last line but two.
    QCOMPARE(lines[27].count(QLatin1Char('@')), 3);
}

void TestCreditsRoll::rollEntersFromBelowOneUnitPerFrameAndComesBack() {
    openCredits();
    credits->Form_Activate(); // each activation starts the text again just below
    const QRect inside = scroll()->contentsRect();
    const int below = inside.height();
    const int height = scroll()->measureTextHeight();
    QVERIFY(height > below); // the text is longer than the area it rolls through
    QCOMPARE(credits->rollRect(), QRect(0, below, inside.width(), height));

    credits->drawNextFrame();
    QCOMPARE(scroll()->drawnRect().top(), below);
    QCOMPARE(credits->rollRect().top(), below - 1);
    for (int frame = 1; frame < below + height; ++frame)
        credits->drawNextFrame();
    // Its top has come up to -height: the text has just left; one more frame and it
    // starts again from below.
    QCOMPARE(credits->rollRect().top(), -height);
    credits->drawNextFrame();
    QCOMPARE(scroll()->drawnRect().top(), -height);
    QCOMPARE(credits->rollRect(), QRect(0, below, inside.width(), height));
}

void TestCreditsRoll::rollWaitsMoreThanFortyMillisecondsPerFrame() {
    openCredits();
    credits->Form_Activate();
    const int start = credits->rollRect().top();
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(600);
    const int frames = start - credits->rollRect().top();
    QVERIFY2(frames >= 1, "the roll does not move");
    QVERIFY2(frames <= clock.elapsed() / 41 + 1, qPrintable(QString::number(frames)));
}

void TestCreditsRoll::emptyTextClosesTheWindowAtOnce() {
    credits = window<FormCredits>();
    scroll()->setText(QString());
    QCOMPARE(scroll()->measureTextHeight(), 0);
    QPointer<FormCredits> watch = credits;
    about->SkinButton2_Click();
    QTRY_VERIFY(!loaded<FormCredits>());
    QVERIFY(!watch || !watch->isRolling());
    QTRY_VERIFY(watch.isNull());
}

void TestCreditsRoll::pointerShowsTheButtonAndBaiklahReturnsToTheAboutBox() {
    openCredits();
    QVERIFY(!button(credits, "SkinButton1")->isVisible());
    auto exitColour = [this] {
        return control(credits, "lblExit")->palette().color(QPalette::WindowText);
    };

    // Over the window's own background, below the scroll area.
    QTest::mouseMove(credits->windowHandle(), QPoint(10, credits->height() - 10));
    QTRY_VERIFY(button(credits, "SkinButton1")->isVisible());
    QCOMPARE(exitColour(), QColor(0xff, 0x00, 0xff));
    QVERIFY(control(credits, "Picture2")->isHidden());

    QTest::mouseMove(credits->windowHandle(), control(credits, "lblExit")->geometry().center());
    QTRY_COMPARE(exitColour(), QColor(0x00, 0x00, 0xff));
    QVERIFY(!control(credits, "Picture2")->isHidden());
    QVERIFY(button(credits, "SkinButton1")->isVisible());

    QPointer<FormCredits> watch = credits;
    button(credits, "SkinButton1")->click();
    QVERIFY(watch->stopped() && !watch->isRolling());
    QVERIFY(!loaded<FormCredits>());
    QVERIFY(waitUntilActive(about));
    QCOMPARE(QApplication::activeModalWidget(), about);
    QTRY_VERIFY(watch.isNull());
}

void TestCreditsRoll::everyUnloadStopsTheRoll_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("unload") << "unload";
    QTest::newRow("end of the run") << "end";
    QTest::newRow("window manager") << "close";
    QTest::newRow("Escape") << "escape";
}

void TestCreditsRoll::everyUnloadStopsTheRoll() {
    QFETCH(QString, how);
    openCredits();
    QPointer<FormCredits> watch = credits;
    if (how == QLatin1String("unload"))
        unload<FormCredits>();
    else if (how == QLatin1String("end"))
        end();
    else if (how == QLatin1String("close"))
        credits->close();
    else { // delivered at once, so the window is still there to be looked at
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(credits, &escape);
    }
    QVERIFY(!loaded<FormCredits>());
    QVERIFY(watch);
    QVERIFY(watch->stopped() && !watch->isRolling());
    QTRY_VERIFY(watch.isNull());
}

QTEST_MAIN(TestCreditsRoll)
#include "tst_credits_roll.moc"
