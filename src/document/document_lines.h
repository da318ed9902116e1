// The registration document's line convention: CR LF line ends, item labels and lines,
// header and trailer lines and separators, all encoded for the work files.
#pragma once

#include <QByteArray>
#include <QString>

// Width of an item label; its colon stands in this column and the value starts two later.
inline constexpr int itemLabelWidth = 25;
// Hyphens of the separator under the header and of the one opening the declaration.
inline constexpr int headerSeparatorLength = 71;
inline constexpr int declarationSeparatorLength = 68;

// The text followed by CR LF, in the work files' code page. Every line break inside the
// text (LF, CR LF, a lone CR, a line or paragraph separator) is written as CR LF too, so a
// continuation starts in column 1.
QByteArray documentLine(const QString &text);

// CR LF alone.
QByteArray emptyLine();

// "1b. Nama Domain.........:": the number and letter, a point, a blank and the name, padded
// with points so that the colon stands in column width. A longer name is never cut.
QString itemLabel(const QString &numberAndLetter, const QString &name, int width = itemLabelWidth);

// The label, one blank and the value exactly as typed, as a document line.
QByteArray itemLine(const QString &label, const QString &value);

// "ZCZC <identifier> $Revision 3.1 $ Baris INI JANGAN DIHAPUS !!!!!!!!" as a document line.
QByteArray headerLine(const QString &formIdentifier);

// "NNNN <identifier> $Revision 3.1 $ Baris INI JANGAN DIHAPUS !!!!!" as a document line.
QByteArray trailerLine(const QString &formIdentifier);

// A line of hyphens.
QByteArray separatorLine(int hyphenCount);
