#include "entrance_effects.h"

#include "skinnable.h"

void slideIn(Skinnable *control, int topOffset) {
    SkinElement *element = control ? control->SkinElement() : nullptr;
    if (!element)
        return;
    const int top = element->TopValue();
    element->setTopText(QString::number(top + topOffset));
    element->RunScript(QStringLiteral("wait 500; moveto - ") + QString::number(top) +
                       QStringLiteral("   - -   - -  1000 decel"));
}

void growIn(Skinnable *control, int leftOffset, int topOffset, int widthShrink) {
    SkinElement *element = control ? control->SkinElement() : nullptr;
    if (!element)
        return;
    const QString leftText = element->LeftText();
    const QString topText = element->TopText();
    const int width = element->WidthValue();
    const int height = element->HeightValue();
    const auto left = decimalNumber(leftText);
    const auto top = decimalNumber(topText);
    if (!left || !top)
        return;

    element->setWidthText(QString::number(width - widthShrink));
    element->setHeightText(QStringLiteral("10"));
    element->setLeftText(QString::number(*left + leftOffset));
    element->setTopText(QString::number(*top + topOffset));
    element->RunScript(QStringLiteral("moveto ") + leftText + QLatin1Char(' ') + topText +
                       QStringLiteral(" - - ") + QString::number(width) + QLatin1Char(' ') +
                       QString::number(height) + QStringLiteral(" 1000 accel"));
}
