// The text of a multi-line box exactly as it was typed or pasted.
#pragma once

#include <QString>

class QPlainTextEdit;

// Like QPlainTextEdit::toPlainText(), line breaks included as '\n', except that no-break
// spaces (U+00A0) stay what they are: toPlainText() turns them into plain blanks, and a
// value must reach the work files and the mail exactly as entered.
QString typedText(const QPlainTextEdit *box);
