#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <functional>

namespace {

// A transparent picture of `size`, drawn by `draw` on a square canvas `canvas` units wide,
// scaled to fill the picture.
QPixmap drawnPicture(const QSize &size, qreal canvas, const std::function<void(QPainter &)> &draw) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / canvas, size.height() / canvas);
    draw(painter);
    return picture;
}

void drawHelp(QPainter &painter) {
    // An open book.
    QLinearGradient pages(0, 120, 0, 180);
    pages.setColorAt(0, QColor(0xfd, 0xfb, 0xf2));
    pages.setColorAt(1, QColor(0xdc, 0xd6, 0xc0));
    painter.setPen(QPen(QColor(0x5a, 0x4a, 0x2a), 2));
    painter.setBrush(pages);
    // The left page; the right one is its mirror image about the spine at x = 100.
    QPainterPath left;
    left.moveTo(100, 130);
    left.cubicTo(75, 116, 45, 116, 20, 124);
    left.lineTo(20, 178);
    left.cubicTo(45, 170, 75, 170, 100, 184);
    left.closeSubpath();
    const QTransform mirror(-1, 0, 0, 1, 200, 0);
    painter.drawPath(left);
    painter.drawPath(mirror.map(left));
    painter.setPen(QPen(QColor(0x9a, 0x8e, 0x70), 1.5));
    for (int line = 0; line < 4; ++line) {
        const qreal y = 138 + line * 9;
        painter.drawLine(QPointF(32, y), QPointF(88, y + 4));
        painter.drawLine(QPointF(112, y + 4), QPointF(168, y));
    }

    // A question mark in a blue disc above it.
    QLinearGradient disc(0, 10, 0, 110);
    disc.setColorAt(0, QColor(0x4f, 0xb3, 0xe8));
    disc.setColorAt(1, QColor(0x10, 0x5a, 0x9c));
    painter.setPen(QPen(QColor(0x0b, 0x3d, 0x6b), 2));
    painter.setBrush(disc);
    painter.drawEllipse(QPointF(100, 62), 50, 50);
    QFont mark = painter.font();
    mark.setBold(true);
    mark.setPixelSize(70);
    painter.setFont(mark);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(50, 12, 100, 100), Qt::AlignCenter, QStringLiteral("?"));
}

void drawExit(QPainter &painter) {
    // The door frame and the dark opening.
    painter.setPen(QPen(QColor(0x4a, 0x3a, 0x22), 3));
    painter.setBrush(QColor(0x1c, 0x1c, 0x24));
    painter.drawRect(QRectF(22, 10, 46, 82));
    // The door leaf, swung open towards the viewer.
    QLinearGradient wood(22, 0, 52, 0);
    wood.setColorAt(0, QColor(0xc8, 0x8a, 0x3c));
    wood.setColorAt(1, QColor(0x8e, 0x5a, 0x20));
    QPainterPath leaf;
    leaf.moveTo(22, 10);
    leaf.lineTo(46, 18);
    leaf.lineTo(46, 98);
    leaf.lineTo(22, 92);
    leaf.closeSubpath();
    painter.setBrush(wood);
    painter.drawPath(leaf);
    painter.setBrush(QColor(0xf2, 0xd0, 0x6a));
    painter.drawEllipse(QPointF(41, 56), 3, 3);

    // A green arrow pointing out through the opening.
    QPainterPath arrow;
    arrow.moveTo(54, 46);
    arrow.lineTo(78, 46);
    arrow.lineTo(78, 36);
    arrow.lineTo(96, 54);
    arrow.lineTo(78, 72);
    arrow.lineTo(78, 62);
    arrow.lineTo(54, 62);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(0x0e, 0x5a, 0x1e), 2));
    painter.setBrush(QColor(0x2e, 0xb8, 0x4a));
    painter.drawPath(arrow);
}

} // namespace

QPixmap helpPicture(const QSize &size) {
    return drawnPicture(size, 200, drawHelp);
}

QPixmap exitPicture(const QSize &size) {
    return drawnPicture(size, 100, drawExit);
}
