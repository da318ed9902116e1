// The rich-text box: a read-only view of one RTF document, such as a help topic.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTextBrowser>

class RichTextBox : public QTextBrowser {
    Q_OBJECT

public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // Shows a whole RTF document (anything else as plain text), scrolled to its start.
    void setRichText(const QByteArray &rtf);
    // Shows a short plain message in place of a document, e.g. when a topic cannot be read.
    void setMessage(const QString &text);
};
