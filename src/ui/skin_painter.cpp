#include "skin_painter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <sys/mman.h>

namespace {

// The part of `area` that can take paint now: within the clip and within the part of the
// device being painted, with room for a line's width and its antialiasing.
QRectF paintable(const QPainter &painter, const QRectF &area) {
    QRectF visible = area;
    if (painter.hasClipping())
        visible &= painter.clipBoundingRect();
    if (const QPaintEngine *engine = painter.paintEngine()) {
        const QRegion painted = engine->systemClip(); // in the device's pixels
        if (!painted.isEmpty())
            visible &= painter.deviceTransform().inverted().mapRect(QRectF(painted.boundingRect()));
    }
    return visible.adjusted(-3, -3, 3, 3);
}

void paintPattern(QPainter &painter, const QRectF &area, const SkinLook &look) {
    if (look.pattern == SkinPattern::None || !look.patternColor.isValid())
        return;
    painter.setPen(QPen(look.patternColor, 1));
    painter.setBrush(Qt::NoBrush);
    // A line that misses what can take paint is left out: a window repainted behind a
    // blinking cursor would otherwise draw every line of it. The others are drawn from the
    // very same points as ever.
    const QRectF visible = paintable(painter, area);
    switch (look.pattern) {
    case SkinPattern::Stripes: { // fine diagonal brushing, lines along which x + y is one value
        const qreal first = visible.left() + visible.top(),
                    last = visible.right() + visible.bottom();
        for (qreal x = area.left() - area.height(); x < area.right(); x += 4)
            if (const qreal sum = x + area.bottom(); sum >= first && sum <= last)
                painter.drawLine(QPointF(x, area.bottom()), QPointF(x + area.height(), area.top()));
        break;
    }
    case SkinPattern::Grid:
        for (qreal x = area.left() + 12; x < area.right(); x += 12)
            if (x >= visible.left() && x <= visible.right())
                painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        for (qreal y = area.top() + 12; y < area.bottom(); y += 12)
            if (y >= visible.top() && y <= visible.bottom())
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

void paintSurface(QPainter &painter, const QRectF &rect, const SkinLook &look) {
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

    painter.save();
    painter.setClipPath(shape, Qt::IntersectClip);
    paintPattern(painter, frame, look);
    painter.restore();

    if (look.borderWidth > 0 && look.border.isValid()) {
        painter.setPen(QPen(look.border, look.borderWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shape);
    }
    painter.restore();
}

// An image for the moment of one paint, in pages of its own that go back to the system as
// soon as it is dropped. Left to malloc, a buffer the size of a window that comes and goes
// stays in the heap for the rest of the run. Null if the pages cannot be had.
QImage passingImage(const QSize &size, QImage::Format format) {
    struct Pages {
        void *start;
        size_t length;
    };
    const qsizetype bytesPerLine =
        (qsizetype(size.width()) * QImage::toPixelFormat(format).bitsPerPixel() + 31) / 32 * 4;
    const size_t length = size_t(bytesPerLine) * size_t(size.height());
    if (length == 0)
        return QImage();
    void *start = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start == MAP_FAILED)
        return QImage();
    const auto drop = [](void *info) {
        const auto *pages = static_cast<Pages *>(info);
        munmap(pages->start, pages->length);
        delete pages;
    };
    return QImage(static_cast<uchar *>(start), size.width(), size.height(), bytesPerLine, format,
                  drop, new Pages{start, length});
}

// The region a widget paints is seldom one rectangle: Qt leaves out the children that paint
// themselves whole, and a control moving in its entrance bares strips. Through such a region
// a pattern of lines is clipped a pixel at a time, which made a window's pattern the dearest
// part of page I's first paint. So the surface is painted, through the region's bounding
// rectangle, over a copy of the pixels there in an image of the device's own size, and
// copied back through the region: the same pixels, as it starts from the same ones and an
// image of the same size cuts the lines at the same edges. False where that cannot be
// vouched for (a scaled device, a clip of the caller's own) or where no lines are drawn.
bool paintedThroughBounds(QPainter &painter, const QRectF &rect, const SkinLook &look) {
    if (look.pattern != SkinPattern::Stripes && look.pattern != SkinPattern::Grid)
        return false;
    QPaintEngine *engine = painter.paintEngine();
    QPaintDevice *device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image || painter.hasClipping())
        return false;
    const QRegion region = engine->systemClip(); // in the device's pixels
    const QTransform transform = painter.deviceTransform();
    if (region.rectCount() < 2 || transform.type() > QTransform::TxTranslate ||
        transform.dx() != std::floor(transform.dx()) ||
        transform.dy() != std::floor(transform.dy()))
        return false;
    const auto &pixels = *static_cast<const QImage *>(device);
    const QRect bounds = region.boundingRect() & pixels.rect();
    QImage surface = passingImage(pixels.size(), pixels.format());
    if (surface.isNull())
        return false;
    {
        QPainter through(&surface);
        through.setCompositionMode(QPainter::CompositionMode_Source);
        through.drawImage(bounds.topLeft(), pixels, bounds);
        through.setCompositionMode(painter.compositionMode());
        through.setOpacity(painter.opacity());
        through.setClipRect(bounds);
        through.setTransform(transform);
        paintSurface(through, rect, look);
    }
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setOpacity(1);
    painter.drawImage(transform.inverted().mapRect(QRectF(bounds)), surface, QRectF(bounds));
    painter.restore();
    return true;
}

} // namespace

void paintSkinSurface(QPainter &painter, const QRectF &rect, const SkinLook &look) {
    if (!paintedThroughBounds(painter, rect, look))
        paintSurface(painter, rect, look);
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
