// Skin elements: geometry as text and numbers, and scripts that run on the event loop.
#include "ui/skin_button.h"
#include "ui/skin_element.h"

#include <QElapsedTimer>
#include <QtTest>

class TestSkinElement : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void noElementUntilASkinIsApplied();
    void nonDecimalTextsAreIgnored();
    void runScriptReturnsAtOnceAndReachesItsTarget();
    void waitHoldsTheElementBeforeTheMove();
    void aNewScriptReplacesTheRunningOne();
    void malformedScriptLeavesTheElementAlone();
    void reapplyingASkinPutsTheControlBackHome();

private:
    QWidget *window = nullptr;
    SkinButton *button = nullptr;
    SkinForm *form = nullptr;
    SkinElement *element = nullptr; // the button's, made by the skin init() applies
};

void TestSkinElement::init() {
    window = new QWidget;
    window->resize(400, 300);
    button = new SkinButton(QStringLiteral("Baiklah.."), window);
    button->setGeometry(40, 60, 100, 30);
    form = new SkinForm(window);
    form->setCurrentSkin(std::make_shared<Skin>());
    button->ApplySkin(form);
    element = button->SkinElement();
    window->show();
}

void TestSkinElement::cleanup() {
    delete window;
}

void TestSkinElement::noElementUntilASkinIsApplied() {
    SkinButton fresh(QStringLiteral("Informasi"), window);
    QVERIFY(!fresh.SkinElement());
    QVERIFY(element);
    button->ApplySkin(nullptr);
    QVERIFY(!button->SkinElement());
}

void TestSkinElement::nonDecimalTextsAreIgnored() {
    for (const char *text : {"", "12px", "1e3", "0x10", " ", "-"}) {
        element->setLeftText(QLatin1String(text));
        element->setWidthText(QLatin1String(text));
    }
    element->setHeightText(QStringLiteral("-4"));
    QCOMPARE(button->geometry(), QRect(40, 60, 100, 30));
}

void TestSkinElement::runScriptReturnsAtOnceAndReachesItsTarget() {
    QSignalSpy finished(element, &SkinElement::scriptFinished);
    QElapsedTimer clock;
    clock.start();
    element->RunScript(QStringLiteral("moveto 5 7 - - 60 20 300 decel"));
    QVERIFY(clock.elapsed() < 100);
    QVERIFY(element->isRunning());
    QCOMPARE(button->geometry(), QRect(40, 60, 100, 30)); // nothing moved yet
    QVERIFY(finished.wait(3000));
    QCOMPARE(button->geometry(), QRect(5, 7, 60, 20));
    QVERIFY(!element->isRunning());
}

void TestSkinElement::waitHoldsTheElementBeforeTheMove() {
    element->setTopText(QStringLiteral("-170"));
    QSignalSpy finished(element, &SkinElement::scriptFinished);
    element->RunScript(QStringLiteral("wait 1500; moveto - 60   - -   - -  200 decel"));
    QTest::qWait(150);
    QCOMPARE(button->y(), -170);
    QVERIFY(finished.wait(5000));
    QCOMPARE(button->geometry(), QRect(40, 60, 100, 30));
}

void TestSkinElement::aNewScriptReplacesTheRunningOne() {
    QSignalSpy finished(element, &SkinElement::scriptFinished);
    element->RunScript(QStringLiteral("wait 200; moveto 300 300 - - 10 10 500 accel"));
    element->RunScript(QStringLiteral("moveto 1 2 - - 3 4 100 accel"));
    QVERIFY(finished.wait(3000));
    QTest::qWait(800); // the first script's move would have come by now
    QCOMPARE(finished.count(), 1);
    QCOMPARE(button->geometry(), QRect(1, 2, 3, 4));
}

void TestSkinElement::malformedScriptLeavesTheElementAlone() {
    QSignalSpy started(element, &SkinElement::scriptStarted);
    element->RunScript(QStringLiteral("moveto nowhere"));
    QCOMPARE(element->lastScript(), QStringLiteral("moveto nowhere"));
    QCOMPARE(started.count(), 0);
    QVERIFY(!element->isRunning());
    QTest::qWait(50);
    QCOMPARE(button->geometry(), QRect(40, 60, 100, 30));
}

void TestSkinElement::reapplyingASkinPutsTheControlBackHome() {
    // An entrance effect cut short by the next activation must not leave the control
    // off its place: the next effect would read the displaced place as its own.
    button->SkinElement()->setTopText(QStringLiteral("-500"));
    button->SkinElement()->RunScript(QStringLiteral("wait 2000; moveto - 60 - - - - 100 decel"));
    button->ApplySkin(form);
    QCOMPARE(button->geometry(), QRect(40, 60, 100, 30));
    QVERIFY(!button->SkinElement()->isRunning());
    button->SkinElement()->setLeftText(QStringLiteral("0"));
    button->ApplySkin(nullptr);
    QCOMPARE(button->geometry(), QRect(40, 60, 100, 30));
}

QTEST_MAIN(TestSkinElement)
#include "tst_skin_element.moc"
