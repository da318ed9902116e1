// Windows-1252 conversion of the work files' text and of RTF code-page bytes: one byte per
// character, no byte-order mark.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringView>

namespace windows1252 {

// A character the code page cannot hold.
constexpr char replacement = '?';

// The byte of a UTF-16 unit beyond Latin-1's one-to-one ranges (0x80..0x9F and above 0xFF,
// surrogates aside): a byte of the 0x80..0x9F row, or the replacement.
char rowByte(char16_t unit);

// Hands the Windows-1252 byte of each character of `text` to `put`, in order. A character
// the code page cannot hold is one replacement, also a whole surrogate pair and a lone
// surrogate. Inline, so that a caller that transforms the bytes does it in the same pass.
template <typename Put> void forEachByte(QStringView text, Put &&put) {
    const char16_t *unit = text.utf16();
    const char16_t *const end = unit + text.size();
    while (unit != end) {
        const char16_t u = *unit++;
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            put(char(u));
        } else if (!QChar::isSurrogate(u)) {
            put(rowByte(u));
        } else {
            if (QChar::isHighSurrogate(u) && unit != end && QChar::isLowSurrogate(*unit))
                ++unit; // the pair is one character, so it becomes one replacement
            put(replacement);
        }
    }
}

} // namespace windows1252

// Encodes text in Windows-1252. A character the code page cannot hold becomes one "?",
// also a whole surrogate pair (one character outside the basic plane) and a lone surrogate.
QByteArray toWindows1252(const QString &text);

// Decodes Windows-1252. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for the control characters of the same value, so no byte is lost.
QString fromWindows1252(const QByteArray &bytes);
