// Drawing of skin looks: gradient fill, pattern, border and the skin's font.
#pragma once

#include "skin.h"

#include <QFont>
#include <QRectF>

class QPainter;
class QPaintDevice;
class QString;

// Fills and frames a rectangle the way the look says (fill, pattern, border, radius).
void paintSkinSurface(QPainter &painter, const QRectF &rect, const SkinLook &look);

// The skin's font, built on the widget's own font so that unset parts stay as they were.
QFont skinFont(const Skin &skin, const QFont &base);

// The font made smaller, if need be, until one line of text fits the width: a skin with
// a wide font must not cut a caption off.
QFont fontFittingWidth(QFont font, const QString &text, qreal width, QPaintDevice *device);

// The same for text wrapped at word boundaries: smaller, if need be, until all its lines
// fit the rectangle, so a wrapped label keeps its last line in every skin.
QFont fontFittingRect(QFont font, const QString &text, const QRectF &rect, int flags,
                      QPaintDevice *device);
