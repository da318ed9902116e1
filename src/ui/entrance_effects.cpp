#include "entrance_effects.h"

#include "skinnable.h"

namespace {

constexpr int slideWaitMs = 500;
constexpr int effectMs = 1000;
// The height a grow-in starts from.
constexpr int flatHeight = 10;

} // namespace

void slideIn(Skinnable *control, int topOffset) {
    SkinElement *element = control ? control->SkinElement() : nullptr;
    if (!element)
        return;
    const int top = element->TopValue();
    element->setTopText(QString::number(top + topOffset));
    // After the wait, back to its top; left, width and height stay as they are.
    ScriptMove back;
    back.top = top;
    back.milliseconds = effectMs;
    back.easing = decelerating;
    element->run({ScriptWait{slideWaitMs}, back});
}

void growIn(Skinnable *control, int leftOffset, int topOffset, int widthShrink) {
    SkinElement *element = control ? control->SkinElement() : nullptr;
    if (!element)
        return;
    const auto left = decimalNumber(element->LeftText());
    const auto top = decimalNumber(element->TopText());
    const int width = element->WidthValue();
    const int height = element->HeightValue();
    if (!left || !top)
        return;

    element->setWidthText(QString::number(width - widthShrink));
    element->setHeightText(QString::number(flatHeight));
    element->setLeftText(QString::number(*left + leftOffset));
    element->setTopText(QString::number(*top + topOffset));
    element->run({ScriptMove{*left, *top, width, height, effectMs, accelerating}});
}
