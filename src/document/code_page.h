// Windows-1252 conversion of the work files' text and of RTF code-page bytes: one byte per
// character, no byte-order mark.
#pragma once

#include <QByteArray>
#include <QString>

// Encodes text in Windows-1252. A character the code page cannot hold becomes one "?",
// also a whole surrogate pair (one character outside the basic plane) and a lone surrogate.
QByteArray toWindows1252(const QString &text);

// Decodes Windows-1252. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for the control characters of the same value, so no byte is lost.
QString fromWindows1252(const QByteArray &bytes);
