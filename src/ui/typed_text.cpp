#include "typed_text.h"

#include <QPlainTextEdit>
#include <QTextDocument>

QString typedText(const QPlainTextEdit *box) {
    // The raw text separates paragraphs with U+2029 and keeps Shift+Enter's U+2028.
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QChar::LineFeed);
    text.replace(QChar::LineSeparator, QChar::LineFeed);
    return text;
}
