// Pictures the program draws itself.
#pragma once

#include <QPixmap>
#include <QSize>

// The information viewer's picture: a book of help under a question mark.
QPixmap helpPicture(const QSize &size);

// The way out of the credits: an open door with an arrow leaving through it.
QPixmap exitPicture(const QSize &size);
