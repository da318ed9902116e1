// Windows-1252 conversion, from our own table of the 0x80-0x9F row: the program's one table,
// for the work files and for the RTF reader's code-page bytes alike.
#include "code_page.h"

#include <array>

namespace {

// Characters of the bytes 0x80..0x9F; every other byte is the Latin-1 character of its value.
// The undefined bytes keep their own value, which makes decoding lossless.
constexpr std::array<char16_t, 32> upperControlRow{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80..0x87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88..0x8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90..0x97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98..0x9F
};
constexpr unsigned char firstRowByte = 0x80;
constexpr char replacement = '?';

// The byte for one UTF-16 unit outside the surrogate range, or "?" when there is none.
char encodeUnit(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return char(unit);
    for (std::size_t i = 0; i < upperControlRow.size(); ++i) {
        if (upperControlRow[i] == unit)
            return char(firstRowByte + i);
    }
    return replacement;
}

} // namespace

QByteArray toWindows1252(const QString &text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i; // the pair is one character, so it becomes one "?"
            bytes.append(replacement);
        } else if (unit.isSurrogate()) {
            bytes.append(replacement);
        } else {
            bytes.append(encodeUnit(unit.unicode()));
        }
    }
    return bytes;
}

QString fromWindows1252(const QByteArray &bytes) {
    // Written in place: the RTF reader decodes whole help topics through here.
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        const bool inRow = value >= firstRowByte && value < firstRowByte + upperControlRow.size();
        *out++ = QChar(inRow ? upperControlRow[value - firstRowByte] : char16_t(value));
    }
    return text;
}
