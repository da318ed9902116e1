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

} // namespace

char windows1252::rowByte(char16_t unit) {
    for (std::size_t i = 0; i < upperControlRow.size(); ++i) {
        if (upperControlRow[i] == unit)
            return char(firstRowByte + i);
    }
    return replacement;
}

QByteArray toWindows1252(const QString &text) {
    // Never more bytes than units: written in place, then cut to what the pairs left.
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    windows1252::forEachByte(text, [&out](char byte) { *out++ = byte; });
    bytes.truncate(out - bytes.constData());
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
