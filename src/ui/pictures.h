// Pictures the program draws itself.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The information viewer's picture: a book of help under a question mark.
QPixmap helpPicture(const QSize &size);

// The way out of the credits: an open door with an arrow leaving through it.
QPixmap exitPicture(const QSize &size);

// The gallery's first picture: a desk late at night, a screen full of code, cold coffee.
QPixmap deskPicture(const QSize &size);

// The gallery's second picture: three cartoon figures under a banner with the text given.
QPixmap gatheringPicture(const QSize &size, const QString &banner);

// The login: a closed brass padlock.
QPixmap padlockPicture(const QSize &size);
