// The RTF reader: turns a Rich Text Format document into a QTextDocument.
#pragma once

#include <QByteArray>

class QTextDocument;

// Reads the part of RTF that help texts use: groups, character runs (bold, italic, underline,
// strike, size, font and colour tables), paragraphs with alignment and indents, tabs and line
// breaks, code-page bytes and Unicode characters. Tables are flattened into tab-separated lines;
// pictures, objects, headers, footers, footnotes, document information and unknown ignorable
// destinations are skipped.
//
// Reading is a single pass without recursion and its memory is bounded by the input. Malformed
// input (unbalanced braces, a cut-off file, absurd numbers, binary junk) never crashes or hangs;
// the document then holds whatever could be read.
class RtfReader {
public:
    // Groups nested deeper than this are skipped with everything inside them.
    static constexpr int maximumGroupDepth = 512;

    // Clears the document and fills it from the bytes. Bytes that do not start an RTF document
    // ("{\rtf", after optional blanks) are shown as plain text, UTF-8 if valid, else Windows-1252.
    static void read(const QByteArray &rtf, QTextDocument *into);
};
