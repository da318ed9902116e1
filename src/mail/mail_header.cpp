#include "mail_header.h"

#include "document/code_page.h"

#include <QByteArrayList>
#include <QRegularExpression>
#include <algorithm>

namespace {

const QByteArray encodedWordStart = "=?windows-1252?Q?";
const QByteArray encodedWordEnd = "?=";
constexpr int maximumEncodedWordLength = 75;

bool isPrintableAscii(QChar c) {
    return c.unicode() >= 0x20 && c.unicode() <= 0x7E;
}

// Text that cannot go into a header as it stands.
bool needsEncodedWords(const QString &text) {
    return !std::all_of(text.begin(), text.end(), isPrintableAscii);
}

// RFC 5322 atext, the characters of a display name that needs no quotes.
bool isAtomText(QChar c) {
    static const QString others = QStringLiteral("!#$%&'*+-/=?^_`{|}~");
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
           others.contains(c);
}

// One byte in the Q encoding of a display name, where only these few stand as they are.
QByteArray qEncoded(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') ||
        QByteArrayView("!*+-/").contains(byte))
        return QByteArray(1, byte);
    if (b == ' ')
        return "_";
    return '=' + QByteArray::number(b, 16).toUpper().rightJustified(2, '0');
}

// The text as encoded words of at most `longest` characters each. A word never splits
// an encoded byte; the blanks between words are not part of the text.
QByteArrayList encodedWords(const QString &text, int longest) {
    const int room = longest - int(encodedWordStart.size() + encodedWordEnd.size());
    QByteArrayList words;
    QByteArray payload;
    for (char byte : toWindows1252(text)) {
        const QByteArray piece = qEncoded(byte);
        if (payload.size() + piece.size() > room) {
            words.append(encodedWordStart + payload + encodedWordEnd);
            payload.clear();
        }
        payload += piece;
    }
    words.append(encodedWordStart + payload + encodedWordEnd);
    return words;
}

// Longest encoded word that still fits on the header's first line after "Name: ".
int longestWordAfter(const QByteArray &name) {
    return std::min<int>(maximumEncodedWordLength, maximumHeaderLineLength - int(name.size()) - 2);
}

// "Name:" and the parts, one blank before each; a part that would make the line too long
// starts a continuation line instead. A part longer than a line stays whole.
QByteArray foldedHeader(const QByteArray &name, const QByteArrayList &parts) {
    QByteArray header = name + ':';
    qsizetype lineLength = header.size();
    bool lineHasPart = false;
    for (const QByteArray &part : parts) {
        if (lineHasPart && lineLength + 1 + part.size() > maximumHeaderLineLength) {
            header += "\r\n";
            lineLength = 0;
        }
        header += ' ' + part;
        lineLength += 1 + part.size();
        lineHasPart = true;
    }
    return header + "\r\n";
}

QByteArrayList displayNameParts(const QByteArray &headerName, const QString &name) {
    if (name.isEmpty())
        return {};
    if (needsEncodedWords(name) || name.contains(u'"') || name.contains(u'\\'))
        return encodedWords(name, longestWordAfter(headerName));
    const bool plainPhrase =
        std::all_of(name.begin(), name.end(), [](QChar c) { return c == u' ' || isAtomText(c); });
    const QByteArray ascii = name.toLatin1();
    return {plainPhrase ? ascii : '"' + ascii + '"'};
}

} // namespace

QString withoutLineBreaks(const QString &value) {
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n]+"));
    return QString(value).replace(lineBreaks, QStringLiteral(" "));
}

QByteArray addressBytes(const QString &address) {
    return toWindows1252(QString(address).remove(u'\r').remove(u'\n'));
}

QByteArray textHeader(const QByteArray &name, const QString &value) {
    const QString text = withoutLineBreaks(value);
    if (!needsEncodedWords(text))
        return foldedHeader(name, {text.toLatin1()});
    return foldedHeader(name, encodedWords(text, longestWordAfter(name)));
}

QByteArray mailboxHeader(const QByteArray &name, const QString &displayName,
                         const QString &address) {
    QByteArrayList parts = displayNameParts(name, withoutLineBreaks(displayName));
    parts.append('<' + addressBytes(address) + '>');
    return foldedHeader(name, parts);
}
