// Twips (1440 to the inch) to pixels at the screen's logical DPI: the one place
// where the window design's measures become pixels.
#pragma once

#include <QRect>

class QWidget;

// Pixels for a length in twips at the given logical DPI, rounded to the nearest pixel.
int twipsToPixels(int twips, qreal logicalDpi);

// The same for a widget, at the DPI of the screen it is on.
int twipsToPixels(int twips, const QWidget *onScreenOf);

// A rectangle given in twips (left, top, width, height), in pixels.
QRect twipsRect(int left, int top, int width, int height, const QWidget *onScreenOf);
