// The animation script language: what is read, and what is refused whole.
#include "ui/animation_script.h"

#include <QtTest>

class TestAnimationScript : public QObject {
    Q_OBJECT
private slots:
    void readsSlideAndGrowScripts();
    void malformedScriptsAreRefusedWhole_data();
    void malformedScriptsAreRefusedWhole();
};

void TestAnimationScript::readsSlideAndGrowScripts() {
    // Slide-in: runs of up to three blanks mean one; a dash keeps the field where the move
    // starts, and decel ends slowly (above the straight line at the first quarter).
    auto slide =
        parseAnimationScript(QStringLiteral("wait 500; moveto - 20   - -   50 -  1000 decel"));
    QVERIFY(slide);
    QCOMPARE(slide->size(), 2u);
    QCOMPARE(std::get<ScriptWait>((*slide)[0]).milliseconds, 500);
    const auto move = std::get<ScriptMove>((*slide)[1]);
    QCOMPARE(move.target(QRect(3, 4, 5, 6)), QRect(3, 20, 50, 6));
    QCOMPARE(move.target(QRect(-8, 90, 1, 200)), QRect(-8, 20, 50, 200));
    QCOMPARE(move.milliseconds, 1000);
    QVERIFY(QEasingCurve(move.easing).valueForProgress(0.25) > 0.25);

    // Grow-in, with negative coordinates as an element above its parent gets them; accel
    // starts slowly.
    auto grow = parseAnimationScript(QStringLiteral("moveto -15 40 - - 100 30 1000 accel"));
    QVERIFY(grow);
    QCOMPARE(grow->size(), 1u);
    const auto growMove = std::get<ScriptMove>(grow->front());
    QCOMPARE(growMove.target(QRect(0, 0, 1, 1)), QRect(-15, 40, 100, 30));
    QVERIFY(QEasingCurve(growMove.easing).valueForProgress(0.25) < 0.25);

    // Tabs, a trailing ";" and upper case are tolerated.
    auto loose = parseAnimationScript(QStringLiteral("WAIT\t0 ;MoveTo 1 2 - - 3 4 0 DECEL;"));
    QVERIFY(loose);
    QCOMPARE(loose->size(), 2u);
}

void TestAnimationScript::malformedScriptsAreRefusedWhole_data() {
    QTest::addColumn<QString>("script");
    QTest::newRow("empty") << "";
    QTest::newRow("only separators") << " ; ;";
    QTest::newRow("unknown statement") << "jump 5";
    QTest::newRow("wait without time") << "wait";
    QTest::newRow("wait not a number") << "wait soon";
    QTest::newRow("negative wait") << "wait -5";
    QTest::newRow("endless wait") << "wait 99999999999";
    QTest::newRow("moveto short") << "moveto - 20 - - - - 1000";
    QTest::newRow("moveto long") << "moveto - 20 - - - - 1000 decel extra";
    QTest::newRow("unknown easing") << "moveto - 20 - - - - 1000 bounce";
    QTest::newRow("reserved field used") << "moveto 1 2 3 - 5 6 100 accel";
    QTest::newRow("negative width") << "moveto 1 2 - - -5 6 100 accel";
    QTest::newRow("decimal point") << "moveto 1.5 2 - - 5 6 100 accel";
    QTest::newRow("huge coordinate") << "moveto 99999999999 2 - - 5 6 100 accel";
    QTest::newRow("good then bad") << "wait 10; moveto x 1 - - 1 1 1 accel";
}

void TestAnimationScript::malformedScriptsAreRefusedWhole() {
    QFETCH(QString, script);
    QVERIFY(!parseAnimationScript(script));
}

QTEST_APPLESS_MAIN(TestAnimationScript)
#include "tst_animation_script.moc"
