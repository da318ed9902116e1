#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <functional>

namespace {

// A transparent picture of `size`, drawn by `draw` on a canvas of `canvas` units, scaled
// to fill the picture.
QPixmap drawnPicture(const QSize &size, const QSizeF &canvas,
                     const std::function<void(QPainter &)> &draw) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / canvas.width(), size.height() / canvas.height());
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

// A figure drawn as a cartoon: body, head, hair and a smile. `hairLong` gives hair that
// falls to the shoulders.
struct CartoonFigure {
    qreal centre;
    qreal height; // top of the head above the floor line
    QColor shirt;
    QColor skin;
    QColor hair;
    bool hairLong;
};

void drawFigure(QPainter &painter, const CartoonFigure &figure, qreal floor) {
    const qreal x = figure.centre;
    const qreal headTop = floor - figure.height;
    const qreal headRadius = 17;
    const QPointF head(x, headTop + headRadius);
    const QPen outline(QColor(0x3a, 0x2c, 0x22), 1.5);

    if (figure.hairLong) { // behind the head and shoulders
        painter.setPen(Qt::NoPen);
        painter.setBrush(figure.hair);
        painter.drawRoundedRect(QRectF(x - 21, headTop + 2, 42, 50), 16, 16);
    }
    // Body: a rounded trunk from the shoulders down to the floor, arms at its sides.
    QPainterPath body;
    const qreal shoulders = headTop + 2 * headRadius + 2;
    body.moveTo(x - 30, floor);
    body.lineTo(x - 28, shoulders + 14);
    body.quadTo(x - 27, shoulders, x - 12, shoulders);
    body.lineTo(x + 12, shoulders);
    body.quadTo(x + 27, shoulders, x + 28, shoulders + 14);
    body.lineTo(x + 30, floor);
    body.closeSubpath();
    painter.setPen(outline);
    painter.setBrush(figure.shirt);
    painter.drawPath(body);
    painter.setPen(QPen(figure.shirt.darker(140), 2));
    painter.drawLine(QPointF(x - 20, shoulders + 16), QPointF(x - 20, floor - 6));
    painter.drawLine(QPointF(x + 20, shoulders + 16), QPointF(x + 20, floor - 6));

    painter.setPen(outline);
    painter.setBrush(figure.skin);
    painter.drawEllipse(head, headRadius, headRadius);
    // Hair: a cap over the top of the head.
    QPainterPath cap;
    cap.moveTo(head.x() - headRadius - 1, head.y() - 1);
    cap.cubicTo(head.x() - headRadius, head.y() - 26, head.x() + headRadius, head.y() - 26,
                head.x() + headRadius + 1, head.y() - 1);
    cap.quadTo(head.x() + 4, head.y() - 11, head.x() - headRadius - 1, head.y() - 1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(figure.hair);
    painter.drawPath(cap);

    // Eyes and a smile.
    painter.setBrush(QColor(0x2a, 0x20, 0x18));
    painter.drawEllipse(head + QPointF(-6, 1), 2, 2.4);
    painter.drawEllipse(head + QPointF(6, 1), 2, 2.4);
    painter.setPen(QPen(QColor(0x8a, 0x2a, 0x22), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(head.x() - 7, head.y() + 1, 14, 10), -20 * 16, -140 * 16);
}

void drawDesk(QPainter &painter) {
    // The wall at night, and a window with the moon and a few stars.
    QLinearGradient wall(0, 0, 0, 170);
    wall.setColorAt(0, QColor(0x1d, 0x23, 0x3f));
    wall.setColorAt(1, QColor(0x36, 0x3c, 0x5e));
    painter.fillRect(QRectF(0, 0, 320, 240), wall);
    painter.setPen(QPen(QColor(0x8e, 0x86, 0x70), 3));
    painter.setBrush(QColor(0x0b, 0x10, 0x2a));
    painter.drawRect(QRectF(236, 18, 66, 58));
    painter.drawLine(QPointF(269, 18), QPointF(269, 76));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf4, 0xec, 0xc0));
    painter.drawEllipse(QPointF(286, 36), 9, 9);
    painter.setBrush(QColor(0x0b, 0x10, 0x2a));
    painter.drawEllipse(QPointF(290, 33), 8, 8); // leaves a crescent
    painter.setBrush(QColor(0xf4, 0xec, 0xc0));
    for (const QPointF star :
         {QPointF(246, 28), QPointF(256, 52), QPointF(280, 62), QPointF(296, 58), QPointF(250, 66)})
        painter.drawEllipse(star, 1.2, 1.2);

    // A clock on the wall: three in the morning.
    painter.setPen(QPen(QColor(0x2a, 0x2a, 0x2a), 2));
    painter.setBrush(QColor(0xf3, 0xf0, 0xe6));
    painter.drawEllipse(QPointF(40, 40), 20, 20);
    painter.drawLine(QPointF(40, 40), QPointF(40, 26));
    painter.drawLine(QPointF(40, 40), QPointF(50, 40));

    // The desk.
    QLinearGradient wood(0, 168, 0, 240);
    wood.setColorAt(0, QColor(0x9c, 0x66, 0x34));
    wood.setColorAt(1, QColor(0x5e, 0x3a, 0x1a));
    painter.setPen(QPen(QColor(0x3e, 0x26, 0x10), 2));
    painter.setBrush(wood);
    painter.drawRect(QRectF(-2, 168, 324, 80));

    // The screen, full of code, with a note stuck to its frame.
    painter.setBrush(QColor(0x5a, 0x5e, 0x66));
    painter.drawRect(QRectF(114, 150, 22, 20));
    painter.setPen(QPen(QColor(0x26, 0x28, 0x2c), 2));
    painter.setBrush(QColor(0x9a, 0x9e, 0xa6));
    painter.drawRoundedRect(QRectF(72, 62, 106, 90), 6, 6);
    painter.setBrush(QColor(0x0e, 0x16, 0x12));
    painter.drawRect(QRectF(80, 70, 90, 74));
    const int lineLengths[] = {52, 38, 64, 30, 70, 44, 24, 58, 36, 48};
    for (int line = 0; line < 10; ++line) {
        const qreal indent = (line % 4 == 1 || line % 4 == 2) ? 10 : 0;
        painter.setPen(QPen(line % 3 == 0 ? QColor(0x7c, 0xe0, 0x8a) : QColor(0x6a, 0xc8, 0xe8),
                            2.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(85 + indent, 76 + line * 7),
                         QPointF(85 + indent + lineLengths[line] * 0.9, 76 + line * 7));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf6, 0xe2, 0x5a));
    painter.drawRect(QRectF(166, 60, 18, 18));

    // Keyboard in front of the screen.
    painter.setPen(QPen(QColor(0x26, 0x28, 0x2c), 1.5));
    painter.setBrush(QColor(0xd8, 0xda, 0xde));
    painter.drawRoundedRect(QRectF(80, 184, 100, 20), 3, 3);
    painter.setPen(QPen(QColor(0x9a, 0x9e, 0xa6), 1));
    for (int row = 0; row < 3; ++row)
        painter.drawLine(QPointF(85, 189 + row * 5), QPointF(175, 189 + row * 5));

    // A pile of papers on the left.
    for (int sheet = 0; sheet < 6; ++sheet) {
        painter.setPen(QPen(QColor(0x9a, 0x94, 0x84), 1));
        painter.setBrush(QColor(0xfa, 0xf6, 0xea));
        painter.drawRect(QRectF(14 + (sheet % 2) * 3, 152 - sheet * 5, 44, 18));
    }

    // Three mugs on the right, the front one still steaming.
    const QColor mugColours[] = {QColor(0xc8, 0x3c, 0x30), QColor(0x2e, 0x7c, 0xc4),
                                 QColor(0xee, 0xee, 0xe6)};
    const QPointF mugPlaces[] = {QPointF(192, 148), QPointF(250, 152), QPointF(220, 178)};
    for (int mug = 0; mug < 3; ++mug) {
        const QPointF at = mugPlaces[mug];
        painter.setPen(QPen(QColor(0x2e, 0x22, 0x1a), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at + QPointF(22, 10), 6, 6);
        painter.setBrush(mugColours[mug]);
        painter.drawRoundedRect(QRectF(at, QSizeF(22, 24)), 3, 3);
    }
    painter.setPen(QPen(QColor(0xe6, 0xe6, 0xf0, 160), 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (qreal x : {226.0, 234.0}) {
        QPainterPath steam;
        steam.moveTo(x, 174);
        steam.cubicTo(x - 6, 164, x + 6, 158, x, 150);
        painter.drawPath(steam);
    }
}

void drawGathering(QPainter &painter, const QString &banner) {
    // A hall: a warm wall, a banner across it and a floor.
    QLinearGradient wall(0, 0, 0, 190);
    wall.setColorAt(0, QColor(0xf2, 0xe4, 0xc8));
    wall.setColorAt(1, QColor(0xe0, 0xc8, 0x9c));
    painter.fillRect(QRectF(0, 0, 320, 240), wall);
    painter.fillRect(QRectF(0, 190, 320, 50), QColor(0x8a, 0x6a, 0x48));
    painter.setPen(QPen(QColor(0x6c, 0x50, 0x34), 1));
    for (int board = 1; board < 4; ++board)
        painter.drawLine(QPointF(0, 190 + board * 12), QPointF(320, 190 + board * 12));

    painter.setPen(QPen(QColor(0x7a, 0x12, 0x1a), 2));
    painter.setBrush(QColor(0xb8, 0x22, 0x2e));
    painter.drawRect(QRectF(20, 14, 280, 36));
    QFont lettering = painter.font();
    lettering.setBold(true);
    lettering.setPixelSize(13);
    painter.setFont(lettering);
    painter.setPen(QColor(0xff, 0xf4, 0xd6));
    painter.drawText(QRectF(20, 14, 280, 36), Qt::AlignCenter, banner);
    // Paper garlands hanging below the banner.
    painter.setPen(QPen(QColor(0x2e, 0x8a, 0x5a), 2));
    painter.setBrush(Qt::NoBrush);
    for (int loop = 0; loop < 7; ++loop)
        painter.drawArc(QRectF(20 + loop * 40, 38, 40, 24), 180 * 16, 180 * 16);

    const CartoonFigure people[] = {
        {86, 118, QColor(0xd8, 0x5a, 0x8c), QColor(0xe8, 0xc0, 0x98), QColor(0x2a, 0x1a, 0x12),
         true},
        {160, 130, QColor(0x3a, 0x78, 0xc8), QColor(0xc8, 0x96, 0x6c), QColor(0x1a, 0x14, 0x10),
         false},
        {234, 124, QColor(0x4e, 0xa2, 0x5a), QColor(0xdc, 0xae, 0x84), QColor(0x4a, 0x30, 0x1c),
         false},
    };
    for (const CartoonFigure &person : people)
        drawFigure(painter, person, 204);
}

void drawPadlock(QPainter &painter) {
    // The shackle, then the body over its feet.
    painter.setPen(QPen(QColor(0x6b, 0x70, 0x78), 9, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath shackle;
    shackle.moveTo(30, 50);
    shackle.lineTo(30, 32);
    shackle.arcTo(QRectF(30, 12, 40, 40), 180, -180);
    shackle.lineTo(70, 50);
    painter.drawPath(shackle);
    QLinearGradient brass(0, 46, 0, 94);
    brass.setColorAt(0, QColor(0xf4, 0xcf, 0x5e));
    brass.setColorAt(1, QColor(0xb0, 0x7c, 0x18));
    painter.setPen(QPen(QColor(0x6a, 0x48, 0x0c), 2.5));
    painter.setBrush(brass);
    painter.drawRoundedRect(QRectF(16, 46, 68, 48), 8, 8);
    // The keyhole.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3a, 0x26, 0x08));
    painter.drawEllipse(QPointF(50, 64), 6, 6);
    painter.drawRect(QRectF(47, 66, 6, 16));
}

} // namespace

QPixmap deskPicture(const QSize &size) {
    return drawnPicture(size, QSizeF(320, 240), drawDesk);
}

QPixmap gatheringPicture(const QSize &size, const QString &banner) {
    return drawnPicture(size, QSizeF(320, 240),
                        [&banner](QPainter &painter) { drawGathering(painter, banner); });
}

QPixmap helpPicture(const QSize &size) {
    return drawnPicture(size, QSizeF(200, 200), drawHelp);
}

QPixmap exitPicture(const QSize &size) {
    return drawnPicture(size, QSizeF(100, 100), drawExit);
}

QPixmap padlockPicture(const QSize &size) {
    return drawnPicture(size, QSizeF(100, 100), drawPadlock);
}
