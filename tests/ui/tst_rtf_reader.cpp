// Tests of the RTF reader and the rich-text box: formatting, text decoding, paragraphs,
// skipped destinations, and malformed input that must neither crash nor hang.
#include "ui/rich_text_box.h"
#include "ui/rtf_reader.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {

QByteArray rtf(const QByteArray &body) {
    return "{\\rtf1\\ansi\\deff0 " + body + "}";
}

QStringList blockTexts(const QTextDocument &document) {
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

QString textOf(const QByteArray &source) {
    QTextDocument document;
    RtfReader::read(source, &document);
    return blockTexts(document).join(u'\n');
}

// The character format of the first character of the first occurrence of the text.
QTextCharFormat formatOf(const QTextDocument &document, const QString &text) {
    const QTextCursor found = document.find(text);
    if (found.isNull())
        return {};
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(found.selectionStart() + 1);
    return cursor.charFormat();
}

const QByteArray tables = "{\\fonttbl{\\f0\\fswiss Alpha Sans;}{\\f1\\froman Beta Serif;}}"
                          "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}";

// A document that uses every feature, for the truncation test.
const QByteArray mediumDocument = rtf(
    tables + "{\\*\\generator SECRET}{\\info{\\title SECRET}}"
             "\\pard\\qc{\\b\\fs32 Title}\\par\\pard\\li720\\fi-360 {\\i it}\\'e9\\'80 "
             "\\u8364?\\uc2\\u8364??{\\ul u}\\ulnone\\strike s\\strike0\\line next\\tab t\\par "
             "{\\field{\\*\\fldinst SECRET}{\\fldrslt shown}}\\cf1 red\\cf0\\highlight2 hl "
             "\\trowd\\cellx100 a\\cell b\\cell\\row{\\pict\\bin4 {{{}SECRET}\\{\\}\\\\\\~\\par");

} // namespace

class RtfReaderTest : public QObject {
    Q_OBJECT

private slots:
    void characterFormatting_data();
    void characterFormatting();
    void fontAndColourTables();
    void decodedText_data();
    void decodedText();
    void paragraphFormatting_data();
    void paragraphFormatting();
    void everyPrefixOfADocumentReads();
    void deepNestingIsBounded();
    void randomJunkNeverGrowsTheDocument();
    void plainTextInput();
    void richTextBoxShowsDocumentsAndMessages();
};

void RtfReaderTest::characterFormatting_data() {
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("property");
    QTest::addColumn<QVariant>("expected");

    const int weight = QTextFormat::FontWeight;
    const int size = QTextFormat::FontPointSize;
    const int underline = QTextFormat::TextUnderlineStyle;
    QTest::newRow("bold run") << rtf("a{\\b B}c") << "B" << weight << QVariant(int(QFont::Bold));
    QTest::newRow("group pop ends bold")
        << rtf("a{\\b B}c") << "c" << weight << QVariant(int(QFont::Normal));
    QTest::newRow("b0 ends bold") << rtf("\\b on\\b0 off") << "f" << weight
                                  << QVariant(int(QFont::Normal));
    QTest::newRow("italic") << rtf("{\\i I}") << "I" << int(QTextFormat::FontItalic)
                            << QVariant(true);
    QTest::newRow("underline") << rtf("{\\ul U}") << "U" << underline
                               << QVariant(int(QTextCharFormat::SingleUnderline));
    QTest::newRow("ulnone") << rtf("\\ul x\\ulnone U") << "U" << underline
                            << QVariant(int(QTextCharFormat::NoUnderline));
    QTest::newRow("strike") << rtf("{\\strike S}") << "S" << int(QTextFormat::FontStrikeOut)
                            << QVariant(true);
    QTest::newRow("fs in half points") << rtf("{\\fs36 L}") << "L" << size << QVariant(18.0);
    QTest::newRow("default size 12 pt") << rtf("x") << "x" << size << QVariant(12.0);
    QTest::newRow("plain resets") << rtf("\\b\\i\\fs40 a\\plain P") << "P" << weight
                                  << QVariant(int(QFont::Normal));
    QTest::newRow("plain resets size") << rtf("\\fs40 a\\plain P") << "P" << size << QVariant(12.0);
    QTest::newRow("pard keeps characters")
        << rtf("\\b a\\pard P") << "P" << weight << QVariant(int(QFont::Bold));
    QTest::newRow("huge fs is clamped")
        << rtf("\\fs99999999999999999999 H") << "H" << size << QVariant(1638.0);
    QTest::newRow("superscript") << rtf("{\\super 2}") << "2"
                                 << int(QTextFormat::TextVerticalAlignment)
                                 << QVariant(int(QTextCharFormat::AlignSuperScript));
}

void RtfReaderTest::characterFormatting() {
    QFETCH(QByteArray, source);
    QFETCH(QString, text);
    QFETCH(int, property);
    QFETCH(QVariant, expected);
    QTextDocument document;
    RtfReader::read(source, &document);
    QCOMPARE(formatOf(document, text).property(property), expected);
}

void RtfReaderTest::fontAndColourTables() {
    QTextDocument document;
    RtfReader::read(rtf(tables + "d\\f1 b\\cf2 c\\cf0 n\\cf99 o\\highlight1 h"), &document);
    QCOMPARE(blockTexts(document), QStringList{"dbcnoh"});
    QCOMPARE(formatOf(document, "d").fontFamilies().toStringList(), QStringList{"Alpha Sans"});
    QCOMPARE(formatOf(document, "b").fontFamilies().toStringList(), QStringList{"Beta Serif"});
    QCOMPARE(formatOf(document, "c").foreground().color(), QColor(0, 128, 255));
    QVERIFY(!formatOf(document, "n").hasProperty(QTextFormat::ForegroundBrush));
    QVERIFY(!formatOf(document, "o").hasProperty(QTextFormat::ForegroundBrush));
    QCOMPARE(formatOf(document, "h").background().color(), QColor(255, 0, 0));

    // A flat table without entry groups, an entry that lacks its ';', and \deff choosing the
    // default font.
    RtfReader::read("{\\rtf1\\deff1{\\fonttbl\\f0 One;\\f1 Two;{\\f2 Bare}} x\\plain y\\f2 z}",
                    &document);
    QCOMPARE(formatOf(document, "x").fontFamilies().toStringList(), QStringList{"Two"});
    QCOMPARE(formatOf(document, "y").fontFamilies().toStringList(), QStringList{"Two"});
    QCOMPARE(formatOf(document, "z").fontFamilies().toStringList(), QStringList{"Bare"});
}

void RtfReaderTest::decodedText_data() {
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("expected");

    QTest::newRow("1252 euro and quotes") << rtf("\\'80 \\'93q\\'94") << u"€ “q”"_qs;
    QTest::newRow("raw 8-bit byte") << rtf("caf\xe9") << u"café"_qs;
    QTest::newRow("other code page") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'e9}") << u"й"_qs;
    QTest::newRow("font charset")
        << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fcharset204 R;}}\\f1\\'e9\\f0\\'e9}") << u"йé"_qs;
    QTest::newRow("unicode skips fallback") << rtf("\\u8364?x") << u"€x"_qs;
    QTest::newRow("uc2 skips two") << rtf("\\uc2\\u8364??x") << u"€x"_qs;
    QTest::newRow("uc0 skips none") << rtf("\\uc0\\u8364 x") << u"€x"_qs;
    QTest::newRow("hex fallback") << rtf("\\u8364\\'80x") << u"€x"_qs;
    QTest::newRow("negative is above 32767") << rtf("\\u-10179?\\u-8704?") << u"😀"_qs;
    QTest::newRow("code point above 0xFFFF in one")
        << rtf("\\u128512?\\u1114111?x") << u"😀\U0010FFFFx"_qs;
    QTest::newRow("beyond Unicode") << rtf("\\u1114112?x") << u"\uFFFDx"_qs;
    QTest::newRow("below -32768, not wrapped")
        << rtf("\\u-40000?\\u-65536?x") << u"\uFFFD\uFFFDx"_qs;
    QTest::newRow("lone surrogates")
        << rtf("\\u-10179?a\\u-8704?b\\u56832?\\u55357?{\\u55357?}\\b\\u-10179?")
        << u"\uFFFDa\uFFFDb\uFFFD\uFFFD\uFFFD\uFFFD"_qs;
    QTest::newRow("uc restored by group") << rtf("{\\uc2 a}\\u8364??") << u"a€?"_qs;
    QTest::newRow("brace ends fallback") << rtf("\\uc3\\u8364?{x}") << u"€x"_qs;
    QTest::newRow("escapes") << rtf("a\\\\b\\{c\\}") << u"a\\b{c}"_qs;
    QTest::newRow("special symbols") << rtf("a\\~b\\-c\\_d") << u"a\u00A0b\u00ADc\u2011d"_qs;
    QTest::newRow("delimiting space") << rtf("\\b  x") << u" x"_qs;
    QTest::newRow("source line ends ignored") << rtf("a\r\nb\nc") << u"abc"_qs;
    QTest::newRow("tab") << rtf("a\\tab b") << u"a\tb"_qs;
    QTest::newRow("skipped destinations")
        << rtf(tables + "{\\*\\generator G}{\\info{\\title T}}{\\stylesheet{\\s0 N;}}"
                        "{\\pict\\pngblip 89504e}{\\header H}{\\footnote F}{\\*\\new Q}x")
        << u"x"_qs;
    QTest::newRow("field result kept")
        << rtf("{\\field{\\*\\fldinst HYPERLINK}{\\fldrslt r}}") << u"r"_qs;
    // "\*" hides only what the reader does not read as text.
    QTest::newRow("starred field result in a sentence")
        << rtf("Lihat {\\field{\\*\\fldinst {HYPERLINK \"http://nic.qv/\"}}"
               "{\\*\\fldrslt {\\ul laman kami}}} dulu.")
        << u"Lihat laman kami dulu."_qs;
    QTest::newRow("starred character style runs")
        << rtf("{\\*\\cs1 \\b int} {\\*\\cs2 x;}\\par{\\*\r\n\\cs1 return}")
        << u"int x;\nreturn"_qs;
    QTest::newRow("style sheet keeps its starred styles hidden")
        << rtf("{\\stylesheet{\\s0 Normal;}{\\*\\cs10 \\additive Default Font;}"
               "{\\*\\cs11 \\sbasedon10 Kode;}}teks")
        << u"teks"_qs;
    QTest::newRow("unknown starred destinations skipped")
        << rtf("a{\\*\\veldcatatan rahasia}b{\\* c}d{\\*{e}}f{\\*\\fldinst g}h") << u"abdfh"_qs;
    QTest::newRow("hidden text") << rtf("a{\\v b}c") << u"ac"_qs;
    QTest::newRow("table flattened")
        << rtf("\\trowd\\cellx100\\cellx200\\cellx300 A\\cell\\cell C\\cell\\row after")
        << u"A\t\tC\nafter"_qs;
    QTest::newRow("line break") << rtf("a\\line b") << u"a\u2028b"_qs;
    // A final \par closes the last paragraph; only a second one makes an empty line.
    QTest::newRow("final par") << rtf("a\\par") << u"a"_qs;
    QTest::newRow("empty paragraph") << rtf("a\\par\\par b") << u"a\n\nb"_qs;
    // Malformed input: what can be read is, nothing else.
    QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 {{{a") << u"a"_qs;
    QTest::newRow("only openings") << QByteArray("{{{") << u"{{{"_qs; // not RTF: plain text
    QTest::newRow("extra closings") << QByteArray("{\\rtf1 a}}}} b") << u"a"_qs;
    QTest::newRow("cut after backslash") << QByteArray("{\\rtf1 a\\") << u"a"_qs;
    QTest::newRow("cut in control word") << QByteArray("{\\rtf1 a\\b") << u"a"_qs;
    QTest::newRow("cut in hex") << QByteArray("{\\rtf1 a\\'4") << u"a"_qs;
    QTest::newRow("bad hex") << QByteArray("{\\rtf1 a\\'zzb}") << u"azzb"_qs;
    QTest::newRow("NUL bytes") << QByteArray("{\\rtf1 a\0b}", 11) << u"ab"_qs;
    QTest::newRow("control bytes cannot split paragraphs")
        << rtf("a\\'0a\\'0d\\u8233?b") << u"ab"_qs;
    QTest::newRow("bin skips bytes and braces") << rtf("a\\bin3 {}}b") << u"ab"_qs;
    QTest::newRow("bin beyond the end") << rtf("a\\bin99999999999 b") << u"a"_qs;
    QTest::newRow("negative bin") << rtf("a\\bin-5 b") << u"ab"_qs;
    QTest::newRow("huge unicode") << rtf("\\u99999999999999?b") << u"\uFFFDb"_qs;
    QTest::newRow("huge uc is bounded")
        << rtf("\\uc99999999999\\u8364 " + QByteArray(20, 'x')) << u"€xxxx"_qs;
    QTest::newRow("huge indexes") << rtf("\\f-99999999999 a\\cf99999999999 b\\cb-1 c") << u"abc"_qs;
    QTest::newRow("long keyword") << rtf("\\" + QByteArray(100000, 'z') + " a") << u"a"_qs;
}

void RtfReaderTest::decodedText() {
    QFETCH(QByteArray, source);
    QFETCH(QString, expected);
    QCOMPARE(textOf(source), expected);
}

void RtfReaderTest::paragraphFormatting_data() {
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<qreal>("leftMargin");
    QTest::addColumn<qreal>("textIndent");

    QTest::newRow("ql") << rtf("\\ql x") << int(Qt::AlignLeft) << 0.0 << 0.0;
    QTest::newRow("qc") << rtf("\\qc x") << int(Qt::AlignHCenter) << 0.0 << 0.0;
    QTest::newRow("qr") << rtf("\\qr x") << int(Qt::AlignRight) << 0.0 << 0.0;
    QTest::newRow("qj") << rtf("\\qj x") << int(Qt::AlignJustify) << 0.0 << 0.0;
    QTest::newRow("indents in twips")
        << rtf("\\li720\\fi-360 x") << int(Qt::AlignLeft) << 48.0 << -24.0;
    QTest::newRow("pard resets") << rtf("\\qc\\li720 a\\par\\pard x") << int(Qt::AlignLeft) << 0.0
                                 << 0.0;
    QTest::newRow("group pop resets") << rtf("{\\qr a\\par}x") << int(Qt::AlignLeft) << 0.0 << 0.0;
    QTest::newRow("props at paragraph end win")
        << rtf("x\\qc\\par") << int(Qt::AlignHCenter) << 0.0 << 0.0;
    QTest::newRow("huge indent clamped")
        << rtf("\\li99999999999 x") << int(Qt::AlignLeft) << 2112.0 << 0.0;
}

void RtfReaderTest::paragraphFormatting() {
    QFETCH(QByteArray, source);
    QFETCH(int, alignment);
    QFETCH(qreal, leftMargin);
    QFETCH(qreal, textIndent);
    QTextDocument document;
    RtfReader::read(source, &document);
    const QTextBlockFormat format = document.find("x").blockFormat();
    QCOMPARE(int(format.alignment()), alignment);
    QCOMPARE(format.leftMargin(), leftMargin);
    QCOMPARE(format.textIndent(), textIndent);
}

void RtfReaderTest::everyPrefixOfADocumentReads() {
    const QString full = textOf(mediumDocument);
    QCOMPARE(full, u"Title\nité€ €€us\u2028next\tt\nshownredhl a\tb\n{}\\\u00A0"_qs);
    for (qsizetype length = 0; length <= mediumDocument.size(); ++length) {
        const QString text = textOf(mediumDocument.first(length));
        QVERIFY2(!text.contains(u"SECRET"_qs), qPrintable(QString::number(length)));
    }
}

void RtfReaderTest::deepNestingIsBounded() {
    // The document's own group is the first level.
    const int inner = RtfReader::maximumGroupDepth - 1;
    QCOMPARE(textOf(rtf(QByteArray(inner, '{') + "x" + QByteArray(inner, '}') + "y")), u"xy"_qs);
    QCOMPARE(textOf(rtf(QByteArray(inner + 1, '{') + "x" + QByteArray(inner + 1, '}') + "y")),
             u"y"_qs);

    QElapsedTimer timer;
    timer.start();
    const QByteArray deep(100000, '{');
    QCOMPARE(textOf(rtf(deep + "lost" + QByteArray(100000, '}') + "after")), u"after"_qs);
    QCOMPARE(textOf("{\\rtf1 a" + deep), u"a"_qs);
    QVERIFY2(timer.elapsed() < 5000, "deep nesting took too long");
}

void RtfReaderTest::randomJunkNeverGrowsTheDocument() {
    static const QList<QByteArray> tokens = {
        "{",      "}",       "\\",     "\\b",    "\\u",       "\\u-",       "\\'", "\\'f",
        "\\bin",  "\\bin2 ", "\\*",    "\\par",  "\\fonttbl", "\\colortbl", "\\f", ";",
        "\\cell", "\\uc",    "\\pard", "\\line", "9",         "-",          " "};
    QRandomGenerator random(20240611);
    QTextDocument document;
    for (int round = 0; round < 400; ++round) {
        QByteArray junk = "{\\rtf1 ";
        const int pieces = random.bounded(1, 400);
        for (int i = 0; i < pieces; ++i) {
            if (random.bounded(3) == 0)
                junk.append(char(random.bounded(256)));
            else
                junk.append(tokens.at(random.bounded(int(tokens.size()))));
        }
        RtfReader::read(junk, &document);
        // No input byte makes more than one character, so nothing can grow without bound.
        QVERIFY2(document.characterCount() <= junk.size() + 1,
                 junk.toPercentEncoding().constData());
    }
}

void RtfReaderTest::plainTextInput() {
    QTextDocument document;
    RtfReader::read("plain\r\nsecond\rthird", &document);
    QCOMPARE(blockTexts(document), (QStringList{"plain", "second", "third"}));
    RtfReader::read("caf\xc3\xa9", &document);
    QCOMPARE(document.toPlainText(), u"café"_qs);
    RtfReader::read("caf\xe9 \x80", &document);
    QCOMPARE(document.toPlainText(), u"café €"_qs);
    RtfReader::read("", &document);
    QVERIFY(document.isEmpty());
    RtfReader::read(" \r\n{\\rtf1 {\\b x}}", &document);
    QCOMPARE(document.toPlainText(), u"x"_qs);
}

void RtfReaderTest::richTextBoxShowsDocumentsAndMessages() {
    RichTextBox box;
    QVERIFY(box.isReadOnly());
    QVERIFY(!box.openLinks());
    box.setRichText(rtf("{\\b Aturan} zona\\par baris"));
    QCOMPARE(box.toPlainText(), u"Aturan zona\nbaris"_qs);
    QCOMPARE(box.textCursor().position(), 0);
    box.setMessage(u"Topik tidak dapat dibaca."_qs);
    QCOMPARE(box.toPlainText(), u"Topik tidak dapat dibaca."_qs);
    QVERIFY(formatOf(*box.document(), "T").fontWeight() != QFont::Bold);
}

QTEST_MAIN(RtfReaderTest)
#include "tst_rtf_reader.moc"
