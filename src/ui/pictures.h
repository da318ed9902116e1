// Pictures the program draws itself.
#pragma once

#include <QPixmap>
#include <QSize>

// The information viewer's picture: a book of help under a question mark.
QPixmap helpPicture(const QSize &size);
