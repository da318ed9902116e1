// Slide-in and grow-in: the jump, then the animation that brings the element back.
#include "ui/entrance_effects.h"
#include "ui/skin_button.h"
#include "ui/skin_panel.h"

#include <QtTest>

namespace {

// What the element was told to do, read from the script as the window design writes it:
// a wrong wait, target, duration or easing makes the statements differ.
std::vector<ScriptStatement> designed(const char *script) {
    return parseAnimationScript(QLatin1String(script)).value();
}

} // namespace

class TestEntranceEffects : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void slideInJumpsThenGlidesBack();
    void growInShrinksMovesThenGrowsBack();
    void controlsWithoutAnElementAreSkipped();

private:
    QWidget *window = nullptr;
    SkinForm *form = nullptr;
};

void TestEntranceEffects::init() {
    window = new QWidget;
    window->resize(500, 400);
    form = new SkinForm(window);
    form->setCurrentSkin(std::make_shared<Skin>());
    window->show();
}

void TestEntranceEffects::cleanup() {
    delete window;
}

// (That an effect cut short by the next activation leaves the control at home for the next
// one is the skin element test's.)
void TestEntranceEffects::slideInJumpsThenGlidesBack() {
    SkinButton button(QStringLiteral("Baiklah.."), window);
    button.setGeometry(30, 20, 90, 25);
    button.ApplySkin(form);
    SkinElement *element = button.SkinElement();
    QSignalSpy finished(element, &SkinElement::scriptFinished);

    slideIn(&button, -230);
    QCOMPARE(button.geometry(), QRect(30, -210, 90, 25));
    QCOMPARE(element->lastStatements(), designed("wait 500; moveto - 20   - -   - -  1000 decel"));
    QVERIFY(finished.wait(4000));
    QCOMPARE(button.geometry(), QRect(30, 20, 90, 25));
}

void TestEntranceEffects::growInShrinksMovesThenGrowsBack() {
    SkinPanel panel(QStringLiteral("KAVRO"), window);
    panel.setGeometry(15, 40, 100, 30);
    panel.ApplySkin(form);
    SkinElement *element = panel.SkinElement();
    QSignalSpy finished(element, &SkinElement::scriptFinished);

    growIn(&panel, 70, 100, 80);
    QCOMPARE(panel.geometry(), QRect(85, 140, 20, 10)); // 80 narrower, 10 high, moved
    QCOMPARE(element->lastStatements(), designed("moveto 15 40 - - 100 30 1000 accel"));

    QVERIFY(finished.wait(4000));
    QCOMPARE(panel.geometry(), QRect(15, 40, 100, 30));
}

void TestEntranceEffects::controlsWithoutAnElementAreSkipped() {
    SkinButton button(QStringLiteral("Informasi"), window);
    button.setGeometry(10, 10, 80, 25);
    slideIn(&button, -230);
    growIn(&button, 70, 100, 80);
    slideIn(nullptr, 5);
    growIn(nullptr, 1, 2, 3);
    QTest::qWait(50);
    QCOMPARE(button.geometry(), QRect(10, 10, 80, 25));
}

QTEST_MAIN(TestEntranceEffects)
#include "tst_entrance_effects.moc"
