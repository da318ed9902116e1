// The registration document's line convention.
#include "document_lines.h"

#include "code_page.h"

namespace {

constexpr QLatin1String lineEnd("\r\n");

// Every kind of line break a text box may hand over, written as CR LF.
QString withDocumentLineEnds(QString text) {
    text.replace(lineEnd, QLatin1String("\n"));
    text.replace(QChar::CarriageReturn, QChar::LineFeed);
    text.replace(QChar::LineSeparator, QChar::LineFeed);
    text.replace(QChar::ParagraphSeparator, QChar::LineFeed);
    text.replace(QChar::LineFeed, lineEnd);
    return text;
}

} // namespace

QByteArray documentLine(const QString &text) {
    return toWindows1252(withDocumentLineEnds(text) + lineEnd);
}

QByteArray emptyLine() {
    return documentLine(QString());
}

QString itemLabel(const QString &numberAndLetter, const QString &name, int width) {
    const QString head = numberAndLetter + QStringLiteral(". ") + name;
    return head.leftJustified(width - 1, QLatin1Char('.')) + QLatin1Char(':');
}

QByteArray itemLine(const QString &label, const QString &value) {
    return documentLine(label + QLatin1Char(' ') + value);
}

QByteArray headerLine(const QString &formIdentifier) {
    return documentLine(QStringLiteral("ZCZC ") + formIdentifier +
                        QStringLiteral(" $Revision 3.1 $ Baris INI JANGAN DIHAPUS !!!!!!!!"));
}

QByteArray trailerLine(const QString &formIdentifier) {
    return documentLine(QStringLiteral("NNNN ") + formIdentifier +
                        QStringLiteral(" $Revision 3.1 $ Baris INI JANGAN DIHAPUS !!!!!"));
}

QByteArray separatorLine(int hyphenCount) {
    return documentLine(QString(hyphenCount, QLatin1Char('-')));
}
