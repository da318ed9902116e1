#include "skin_painter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

void paintPattern(QPainter &painter, const QRectF &area, const SkinLook &look) {
    if (look.pattern == SkinPattern::None || !look.patternColor.isValid())
        return;
    painter.setPen(QPen(look.patternColor, 1));
    painter.setBrush(Qt::NoBrush);
    switch (look.pattern) {
    case SkinPattern::Stripes: // fine diagonal brushing
        for (qreal x = area.left() - area.height(); x < area.right(); x += 4)
            painter.drawLine(QPointF(x, area.bottom()), QPointF(x + area.height(), area.top()));
        break;
    case SkinPattern::Grid:
        for (qreal x = area.left() + 12; x < area.right(); x += 12)
            painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        for (qreal y = area.top() + 12; y < area.bottom(); y += 12)
            painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        break;
    case SkinPattern::Dots: { // rivets along the edges
        painter.setBrush(look.patternColor);
        const qreal inset = std::min<qreal>(6, std::min(area.width(), area.height()) / 4);
        for (qreal x = area.left() + inset; x < area.right() - inset / 2; x += 24) {
            painter.drawEllipse(QPointF(x, area.top() + inset), 1.8, 1.8);
            painter.drawEllipse(QPointF(x, area.bottom() - inset), 1.8, 1.8);
        }
        break;
    }
    case SkinPattern::Bars: { // a small bar chart along the bottom edge
        painter.setPen(Qt::NoPen);
        painter.setBrush(look.patternColor);
        static constexpr int heights[] = {35, 60, 45, 80, 55, 95, 70, 40};
        const qreal barWidth = 14;
        int i = 0;
        for (qreal x = area.left() + 6; x + barWidth < area.right(); x += barWidth + 6, ++i) {
            const qreal h = area.height() * heights[i % 8] / 400.0;
            painter.drawRect(QRectF(x, area.bottom() - h, barWidth, h));
        }
        break;
    }
    case SkinPattern::Gloss: { // a light sheen over the upper half
        QColor sheen = look.patternColor;
        QLinearGradient gradient(area.topLeft(), QPointF(area.left(), area.center().y()));
        gradient.setColorAt(0, sheen);
        sheen.setAlpha(sheen.alpha() / 4);
        gradient.setColorAt(1, sheen);
        painter.setPen(Qt::NoPen);
        painter.setBrush(gradient);
        painter.drawRect(QRectF(area.left(), area.top(), area.width(), area.height() / 2));
        break;
    }
    case SkinPattern::None:
        break;
    }
}

} // namespace

void paintSkinSurface(QPainter &painter, const QRectF &rect, const SkinLook &look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const qreal halfBorder = look.borderWidth / 2.0;
    const QRectF frame = rect.adjusted(halfBorder, halfBorder, -halfBorder, -halfBorder);
    const qreal radius = std::min<qreal>(look.radius, std::min(frame.width(), frame.height()) / 2);

    QPainterPath shape;
    shape.addRoundedRect(frame, radius, radius);

    QLinearGradient fill(frame.topLeft(), frame.bottomLeft());
    fill.setColorAt(0, look.fill.top);
    fill.setColorAt(1, look.fill.bottom);
    painter.fillPath(shape, fill);

    painter.setClipPath(shape);
    paintPattern(painter, frame, look);
    painter.setClipping(false);

    if (look.borderWidth > 0 && look.border.isValid()) {
        painter.setPen(QPen(look.border, look.borderWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shape);
    }
    painter.restore();
}

QFont skinFont(const Skin &skin, const QFont &base) {
    QFont font = base;
    if (!skin.fontFamily.isEmpty())
        font.setFamily(skin.fontFamily);
    if (skin.fontPointSize > 0)
        font.setPointSize(skin.fontPointSize);
    font.setBold(skin.fontBold);
    return font;
}

QFont fontFittingWidth(QFont font, const QString &text, qreal width, QPaintDevice *device) {
    constexpr qreal smallestPoints = 6.0;
    while (font.pointSizeF() > smallestPoints &&
           QFontMetricsF(font, device).boundingRect(text).width() > width)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

QFont fontFittingRect(QFont font, const QString &text, const QRectF &rect, int flags,
                      QPaintDevice *device) {
    constexpr qreal smallestPoints = 6.0;
    auto fits = [&] {
        const QRectF needed = QFontMetricsF(font, device).boundingRect(rect, flags, text);
        return needed.height() <= rect.height() && needed.width() <= rect.width();
    };
    while (font.pointSizeF() > smallestPoints && !fits())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}
