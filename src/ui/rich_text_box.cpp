// The rich-text box: a read-only view of one RTF document, such as a help topic.
#include "ui/rich_text_box.h"

#include "ui/rtf_reader.h"

#include <QTextCursor>

RichTextBox::RichTextBox(QWidget *parent) : QTextBrowser(parent) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
    // Help texts are read here, not followed: no link leaves the box.
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

void RichTextBox::setRichText(const QByteArray &rtf) {
    RtfReader::read(rtf, document());
    moveCursor(QTextCursor::Start);
}

void RichTextBox::setMessage(const QString &text) {
    // Straight into the document: QTextEdit::setPlainText would carry over the character format
    // at the cursor, so a message after a topic would wear the topic's first run.
    document()->setPlainText(text);
    moveCursor(QTextCursor::Start);
}
