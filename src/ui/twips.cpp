#include "twips.h"

#include <QWidget>
#include <cmath>

namespace {
constexpr qreal twipsPerInch = 1440.0;
}

int twipsToPixels(int twips, qreal logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / twipsPerInch));
}

int twipsToPixels(int twips, const QWidget *onScreenOf) {
    return twipsToPixels(twips, onScreenOf->logicalDpiY());
}

QRect twipsRect(int left, int top, int width, int height, const QWidget *onScreenOf) {
    const qreal dpiX = onScreenOf->logicalDpiX();
    const qreal dpiY = onScreenOf->logicalDpiY();
    return QRect(twipsToPixels(left, dpiX), twipsToPixels(top, dpiY), twipsToPixels(width, dpiX),
                 twipsToPixels(height, dpiY));
}
