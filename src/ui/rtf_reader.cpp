// The RTF reader: a flat tokenizer over the bytes and a bounded stack of group states that
// writes text runs and paragraphs into a QTextDocument.
#include "ui/rtf_reader.h"

#include "document/code_page.h"

#include <QColor>
#include <QFont>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

constexpr int defaultFontSizeHalfPoints = 24;   // RTF's default size, 12 pt
constexpr int maximumFontSizeHalfPoints = 3276; // 1638 pt, the largest size word processors offer
constexpr int maximumTwips = 31680;             // 22 inches, more than any page is wide
constexpr double twipsPerPixel = 1440.0 / 96.0;
constexpr int maximumUnicodeSkip = 16;
constexpr int maximumPendingCells = 256;
constexpr int maximumDecoders = 16;
constexpr int windows1252 = 1252;
// Numeric parameters are clamped to this magnitude while they are read, so no digit string,
// however long, can overflow.
constexpr qint64 parameterLimit = std::numeric_limits<int>::max();

// Characters that QTextCursor::insertText would turn into block or frame boundaries, and
// control characters that have no business in displayed text. Tabs stay.
bool isUnsafeInText(QChar c) {
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\t') || u == 0x7F || u == 0x2029 || u == 0xFDD0 || u == 0xFDD1;
}

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isStructural(char c) {
    return c == '\\' || c == '{' || c == '}';
}
// Printable ASCII that is plain text in RTF.
bool isPlainText(char c) {
    return c >= 0x20 && c < 0x7F && !isStructural(c);
}

int hexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

enum class Destination { Text, FontTable, ColorTable, Skip };

enum class Keyword {
    CodePage,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    Binary,
    FontTable,
    ColorTable,
    SkipDestination,
    Font,
    FontKind,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    Paragraph,
    Cell,
    Character,
    Plain,
    Bold,
    Italic,
    Strike,
    Underline,
    UnderlineNone,
    FontSize,
    Foreground,
    Background,
    VerticalAlignment,
    Capitalization,
    Hidden,
    ParagraphDefaults,
    Alignment,
    LeftIndent,
    RightIndent,
    FirstLineIndent,
    SpaceBefore,
    SpaceAfter,
};

struct KeywordAction {
    Keyword keyword;
    int value = 0;
};

// Destinations whose content is never shown. Field instructions are skipped while the field's
// result stays text; the fallback text of list numbers (\pntext, \listtext) stays too, since that
// is what the reader can show of a numbered list.
constexpr std::string_view skippedDestinations =
    "stylesheet info pict object objdata result header headerl headerr headerf "
    "footer footerl footerr footerf footnote fldinst annotation atnid atnauthor xe "
    "tc txe bkmkstart bkmkend template listtable revtbl rsidtbl filetbl generator "
    "themedata latentstyles datastore xmlnstbl falt panose pn shp shppict nonshppict "
    "do docvar userprops ftnsep ftnsepc ftncn aftnsep aftnsepc aftncn private "
    "listoverridetable colorschememapping pgdsctbl fchars lchars protusertbl "
    "wgrffmtfilter";

// "\*" asks a reader to skip the destination that follows unless it knows it. The reader knows
// the font and colour tables and the destinations it skips anyway; besides those, two words
// that writers star are text to the reader and must not take their group with them:
//  - \fldrslt, a field's result: the text the field shows in its sentence (a link's words);
//  - \cs N, a character style: in running text it only names the style of text that stays
//    (a code highlighter wraps every run in one). The style sheet's own \cs entries stay
//    hidden with the rest of the sheet.
// Every other starred word, known to the reader or not, is skipped with its group.
constexpr std::string_view shownAfterStar[] = {"fldrslt", "cs"};

// Every control word the reader acts on; the rest are read and ignored.
const std::unordered_map<std::string_view, KeywordAction> &keywordTable() {
    static const std::unordered_map<std::string_view, KeywordAction> table = [] {
        std::unordered_map<std::string_view, KeywordAction> t = {
            {"ansi", {Keyword::CodePage, windows1252}},
            {"mac", {Keyword::CodePage, 10000}},
            {"pc", {Keyword::CodePage, 437}},
            {"pca", {Keyword::CodePage, 850}},
            {"ansicpg", {Keyword::AnsiCodePage}},
            {"deff", {Keyword::DefaultFont}},
            {"uc", {Keyword::UnicodeSkip}},
            {"u", {Keyword::Unicode}},
            {"bin", {Keyword::Binary}},
            {"fonttbl", {Keyword::FontTable}},
            {"colortbl", {Keyword::ColorTable}},
            {"f", {Keyword::Font}},
            {"fnil", {Keyword::FontKind, QFont::AnyStyle}},
            {"froman", {Keyword::FontKind, QFont::Serif}},
            {"fswiss", {Keyword::FontKind, QFont::SansSerif}},
            {"fmodern", {Keyword::FontKind, QFont::Monospace}},
            {"fscript", {Keyword::FontKind, QFont::Cursive}},
            {"fdecor", {Keyword::FontKind, QFont::Decorative}},
            {"fcharset", {Keyword::FontCharset}},
            {"cpg", {Keyword::FontCodePage}},
            {"red", {Keyword::Red}},
            {"green", {Keyword::Green}},
            {"blue", {Keyword::Blue}},
            {"par", {Keyword::Paragraph}},
            {"sect", {Keyword::Paragraph}},
            {"page", {Keyword::Paragraph}},
            {"row", {Keyword::Paragraph}},
            {"nestrow", {Keyword::Paragraph}},
            {"cell", {Keyword::Cell}},
            {"nestcell", {Keyword::Cell}},
            {"line", {Keyword::Character, QChar::LineSeparator}},
            {"tab", {Keyword::Character, u'\t'}},
            {"emdash", {Keyword::Character, 0x2014}},
            {"endash", {Keyword::Character, 0x2013}},
            {"emspace", {Keyword::Character, 0x2003}},
            {"enspace", {Keyword::Character, 0x2002}},
            {"qmspace", {Keyword::Character, 0x2005}},
            {"bullet", {Keyword::Character, 0x2022}},
            {"lquote", {Keyword::Character, 0x2018}},
            {"rquote", {Keyword::Character, 0x2019}},
            {"ldblquote", {Keyword::Character, 0x201C}},
            {"rdblquote", {Keyword::Character, 0x201D}},
            {"zwbo", {Keyword::Character, 0x200B}},
            {"zwnj", {Keyword::Character, 0x200C}},
            {"zwj", {Keyword::Character, 0x200D}},
            {"ltrmark", {Keyword::Character, 0x200E}},
            {"rtlmark", {Keyword::Character, 0x200F}},
            {"plain", {Keyword::Plain}},
            {"b", {Keyword::Bold}},
            {"i", {Keyword::Italic}},
            {"strike", {Keyword::Strike}},
            {"striked", {Keyword::Strike}},
            {"ul", {Keyword::Underline, QTextCharFormat::SingleUnderline}},
            {"uldb", {Keyword::Underline, QTextCharFormat::SingleUnderline}},
            {"ulth", {Keyword::Underline, QTextCharFormat::SingleUnderline}},
            {"ulw", {Keyword::Underline, QTextCharFormat::SingleUnderline}},
            {"uld", {Keyword::Underline, QTextCharFormat::DotLine}},
            {"uldash", {Keyword::Underline, QTextCharFormat::DashUnderline}},
            {"uldashd", {Keyword::Underline, QTextCharFormat::DashDotLine}},
            {"uldashdd", {Keyword::Underline, QTextCharFormat::DashDotDotLine}},
            {"ulwave", {Keyword::Underline, QTextCharFormat::WaveUnderline}},
            {"ulnone", {Keyword::UnderlineNone}},
            {"fs", {Keyword::FontSize}},
            {"cf", {Keyword::Foreground}},
            {"cb", {Keyword::Background}},
            {"highlight", {Keyword::Background}},
            {"super", {Keyword::VerticalAlignment, QTextCharFormat::AlignSuperScript}},
            {"sub", {Keyword::VerticalAlignment, QTextCharFormat::AlignSubScript}},
            {"nosupersub", {Keyword::VerticalAlignment, QTextCharFormat::AlignNormal}},
            {"caps", {Keyword::Capitalization, QFont::AllUppercase}},
            {"scaps", {Keyword::Capitalization, QFont::SmallCaps}},
            {"v", {Keyword::Hidden}},
            {"pard", {Keyword::ParagraphDefaults}},
            {"ql", {Keyword::Alignment, Qt::AlignLeft}},
            {"qc", {Keyword::Alignment, Qt::AlignHCenter}},
            {"qr", {Keyword::Alignment, Qt::AlignRight}},
            {"qj", {Keyword::Alignment, Qt::AlignJustify}},
            {"qd", {Keyword::Alignment, Qt::AlignJustify}},
            {"li", {Keyword::LeftIndent}},
            {"lin", {Keyword::LeftIndent}},
            {"ri", {Keyword::RightIndent}},
            {"rin", {Keyword::RightIndent}},
            {"fi", {Keyword::FirstLineIndent}},
            {"sb", {Keyword::SpaceBefore}},
            {"sa", {Keyword::SpaceAfter}},
        };
        for (std::string_view rest = skippedDestinations; !rest.empty();) {
            const std::size_t end = std::min(rest.find(' '), rest.size());
            t.emplace(rest.substr(0, end), KeywordAction{Keyword::SkipDestination});
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
        return t;
    }();
    return table;
}

// Windows code page of a font's \fcharset; 0 (the default) means the document's own code page.
int codePageOfCharset(int charset) {
    static constexpr std::pair<int, int> codePages[] = {
        {77, 10000}, {128, 932},  {129, 949},  {134, 936},  {136, 950},
        {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256},
        {186, 1257}, {204, 1251}, {222, 874},  {238, 1250}, {255, 437}};
    for (const auto &[set, codePage] : codePages) {
        if (set == charset)
            return codePage;
    }
    return 0;
}

// A converter for a Windows code page, under the names the platform's converters know it by.
std::optional<QStringDecoder> openDecoder(int codePage) {
    static const std::map<int, QList<QByteArray>> specialNames = {{65001, {"UTF-8"}},
                                                                  {932, {"Shift_JIS"}},
                                                                  {936, {"GBK"}},
                                                                  {950, {"Big5"}},
                                                                  {949, {"windows-949", "EUC-KR"}},
                                                                  {10000, {"macintosh"}}};
    const QByteArray number = QByteArray::number(codePage);
    const auto special = specialNames.find(codePage);
    const QList<QByteArray> names =
        special != specialNames.end()
            ? special->second
            : QList<QByteArray>{"windows-" + number, "IBM" + number, "cp" + number};
    for (const QByteArray &name : names) {
        QStringDecoder decoder(name.constData(), QStringConverter::Flag::Stateless);
        if (decoder.isValid())
            return decoder;
    }
    return std::nullopt;
}

struct CharacterState {
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    int underline = QTextCharFormat::NoUnderline;
    int verticalAlignment = QTextCharFormat::AlignNormal;
    int capitalization = QFont::MixedCase;
    int sizeHalfPoints = defaultFontSizeHalfPoints;
    int font = -1;
    int foreground = 0; // colour-table index; 0 and unknown indexes mean the default colour
    int background = 0;
    bool operator==(const CharacterState &) const = default;
};

struct ParagraphState {
    int alignment = Qt::AlignLeft;
    int leftTwips = 0;
    int rightTwips = 0;
    int firstLineTwips = 0;
    int spaceBeforeTwips = 0;
    int spaceAfterTwips = 0;
    bool operator==(const ParagraphState &) const = default;
};

// Everything a group saves on '{' and restores on '}'.
struct GroupState {
    CharacterState character;
    ParagraphState paragraph;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
};

struct FontEntry {
    QString family;
    int styleHint = QFont::AnyStyle;
    int codePage = 0;
};

QTextBlockFormat blockFormat(const ParagraphState &paragraph) {
    QTextBlockFormat format;
    format.setAlignment(Qt::Alignment(paragraph.alignment));
    format.setLeftMargin(paragraph.leftTwips / twipsPerPixel);
    format.setRightMargin(paragraph.rightTwips / twipsPerPixel);
    format.setTextIndent(paragraph.firstLineTwips / twipsPerPixel);
    format.setTopMargin(paragraph.spaceBeforeTwips / twipsPerPixel);
    format.setBottomMargin(paragraph.spaceAfterTwips / twipsPerPixel);
    // A hanging indent doubles as a tab stop, so "bullet, tab, text" lines the text up
    // with the lines below it.
    if (paragraph.firstLineTwips < 0 && paragraph.leftTwips > 0)
        format.setTabPositions(
            {QTextOption::Tab(paragraph.leftTwips / twipsPerPixel, QTextOption::LeftTab)});
    return format;
}

// The character of \uN. N is a UTF-16 unit, written negative above 32767; some writers put a
// whole code point above 0xFFFF in one \u. Anything else is U+FFFD. Surrogate units are
// passed on: two of them in a row make one character, and a lone one is replaced when the
// text is flushed.
QString unicodeCharacter(int parameter) {
    if (parameter >= -32768 && parameter < 0)
        return QChar(char16_t(parameter + 65536));
    if (parameter >= 0 && parameter <= 0xFFFF)
        return QChar(char16_t(parameter));
    if (parameter > 0xFFFF && parameter <= 0x10FFFF) {
        const char32_t codePoint = char32_t(parameter);
        return QString::fromUcs4(&codePoint, 1);
    }
    return QChar(QChar::ReplacementCharacter);
}

// A surrogate without its partner is no character; it becomes U+FFFD.
QString &replaceLoneSurrogates(QString &text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

int clampTwips(int twips) {
    return std::clamp(twips, -maximumTwips, maximumTwips);
}

class RtfParser {
public:
    RtfParser(const QByteArray &rtf, qsizetype start, QTextDocument *document);
    void run();

private:
    GroupState &state() { return stack_.back(); }
    bool skipping() const {
        return ignoredDepth_ > 0 || stack_.back().destination == Destination::Skip;
    }

    void openGroup();
    void closeGroup();
    void readControl();
    void readControlWord();
    void readControlSymbol(char symbol);
    void readHexByte();
    void readText();
    bool consumeFallback();
    std::string_view nextControlWord() const;
    bool hidesAfterStar(std::string_view word) const;
    void skipBinary(bool hasParameter, int length);

    void apply(KeywordAction action, bool hasParameter, int parameter);
    void applyCharacter(KeywordAction action, bool hasParameter, int parameter);
    void applyParagraph(KeywordAction action, int parameter);
    void applyTable(KeywordAction action, bool hasParameter, int parameter);

    void deliver(QStringView text);
    void deliverAscii(QLatin1StringView text);
    bool prepareText();
    void enterParagraph();
    void endParagraph();
    void flushText();
    void flushBytes();
    int currentCodePage();
    QString decode(const QByteArray &bytes, int codePage);
    QTextCharFormat charFormat(const CharacterState &character);

    void startFont(int number);
    void commitFont();
    void commitColor();

    const char *data_;
    qsizetype size_;
    qsizetype pos_;
    bool finished_ = false;

    std::vector<GroupState> stack_;
    // Groups beyond the depth limit: only counted, so their braces still match.
    qsizetype ignoredDepth_ = 0;
    // Fallback characters still to drop after a \u.
    int fallbackToSkip_ = 0;

    QTextCursor cursor_;
    QString text_; // text not yet inserted, all in textState_'s formatting
    CharacterState textState_;
    ParagraphState blockState_; // the formatting the cursor's block has
    bool blockPending_ = false; // a paragraph ended; its successor starts with the next text
    int pendingCells_ = 0;      // cell ends not yet written as tabs

    QByteArray bytes_; // code-page bytes not yet decoded
    int documentCodePage_ = windows1252;
    std::map<int, std::optional<QStringDecoder>> decoders_;

    int defaultFont_ = -1;
    std::map<int, FontEntry> fonts_;
    std::optional<int> fontNumber_; // the font-table entry being read
    std::size_t fontEntryDepth_ = 0;
    FontEntry fontEntry_;
    QString fontName_;

    std::vector<QColor> colors_;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    bool colorGiven_ = false;

    bool formatCached_ = false;
    CharacterState cachedState_;
    QTextCharFormat cachedFormat_;
};

RtfParser::RtfParser(const QByteArray &rtf, qsizetype start, QTextDocument *document)
    : data_(rtf.constData()), size_(rtf.size()), pos_(start), cursor_(document) {
    stack_.reserve(RtfReader::maximumGroupDepth + 1);
    stack_.emplace_back();
}

void RtfParser::run() {
    cursor_.beginEditBlock();
    cursor_.setBlockFormat(blockFormat(blockState_));
    while (!finished_ && pos_ < size_) {
        switch (data_[pos_]) {
        case '{':
            ++pos_;
            openGroup();
            break;
        case '}':
            ++pos_;
            closeGroup();
            break;
        case '\\':
            readControl();
            break;
        case '\r':
        case '\n':
            ++pos_;
            break;
        default:
            readText();
            break;
        }
    }
    flushBytes();
    flushText();
    cursor_.endEditBlock();
}

void RtfParser::openGroup() {
    flushBytes();
    fallbackToSkip_ = 0;
    if (ignoredDepth_ > 0 || stack_.size() > std::size_t(RtfReader::maximumGroupDepth)) {
        ++ignoredDepth_;
        return;
    }
    stack_.push_back(stack_.back());
}

void RtfParser::closeGroup() {
    flushBytes();
    fallbackToSkip_ = 0;
    if (ignoredDepth_ > 0) {
        --ignoredDepth_;
        return;
    }
    if (fontNumber_ && stack_.size() <= fontEntryDepth_)
        commitFont();
    if (stack_.size() > 1)
        stack_.pop_back();
    // The outermost group is the whole document; whatever follows it is not.
    if (stack_.size() <= 1)
        finished_ = true;
}

void RtfParser::readControl() {
    ++pos_; // the backslash
    if (pos_ >= size_)
        return;
    if (isAsciiLetter(data_[pos_])) {
        readControlWord();
        return;
    }
    const char symbol = data_[pos_++];
    if (symbol == '\'') {
        readHexByte();
        return;
    }
    readControlSymbol(symbol);
}

// Drops the element just read if it is a fallback for the preceding \u.
bool RtfParser::consumeFallback() {
    if (fallbackToSkip_ == 0)
        return false;
    --fallbackToSkip_;
    return true;
}

// The name of the control word that comes next, line ends ignored; empty when something
// else comes first.
std::string_view RtfParser::nextControlWord() const {
    qsizetype at = pos_;
    while (at < size_ && (data_[at] == '\r' || data_[at] == '\n'))
        ++at;
    if (at + 1 >= size_ || data_[at] != '\\' || !isAsciiLetter(data_[at + 1]))
        return {};
    const qsizetype start = ++at;
    while (at < size_ && isAsciiLetter(data_[at]))
        ++at;
    return {data_ + start, std::size_t(at - start)};
}

bool RtfParser::hidesAfterStar(std::string_view word) const {
    if (std::find(std::begin(shownAfterStar), std::end(shownAfterStar), word) !=
        std::end(shownAfterStar))
        return false;
    const auto found = keywordTable().find(word);
    return found == keywordTable().end() || (found->second.keyword != Keyword::FontTable &&
                                             found->second.keyword != Keyword::ColorTable);
}

void RtfParser::skipBinary(bool hasParameter, int length) {
    if (hasParameter && length > 0)
        pos_ += std::min<qsizetype>(length, size_ - pos_);
}

void RtfParser::readControlWord() {
    const qsizetype nameStart = pos_;
    while (pos_ < size_ && isAsciiLetter(data_[pos_]))
        ++pos_;
    const std::string_view name(data_ + nameStart, std::size_t(pos_ - nameStart));

    bool negative = false;
    if (pos_ + 1 < size_ && data_[pos_] == '-' && isDigit(data_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    bool hasParameter = false;
    qint64 magnitude = 0;
    while (pos_ < size_ && isDigit(data_[pos_])) {
        hasParameter = true;
        magnitude = std::min(magnitude * 10 + (data_[pos_] - '0'), parameterLimit);
        ++pos_;
    }
    if (pos_ < size_ && data_[pos_] == ' ')
        ++pos_; // the delimiting space belongs to the control word
    const int parameter = int(negative ? -magnitude : magnitude);

    flushBytes();
    const auto found = keywordTable().find(name);
    const bool isBinary = found != keywordTable().end() && found->second.keyword == Keyword::Binary;
    // Inside skipped groups only \bin matters: its bytes might hold braces.
    if (skipping() || consumeFallback()) {
        if (isBinary)
            skipBinary(hasParameter, parameter);
        return;
    }
    if (found != keywordTable().end())
        apply(found->second, hasParameter, parameter);
}

void RtfParser::readControlSymbol(char symbol) {
    flushBytes();
    if (skipping() || consumeFallback())
        return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        deliverAscii(QLatin1StringView(&symbol, 1));
        break;
    case '~':
        deliver(u"\u00A0");
        break;
    case '-':
        deliver(u"\u00AD");
        break;
    case '_':
        deliver(u"\u2011");
        break;
    case '*':
        if (hidesAfterStar(nextControlWord()))
            state().destination = Destination::Skip;
        break;
    case '\r':
    case '\n':
        endParagraph();
        break;
    default:
        break; // \: \| and unknown symbols show nothing
    }
}

void RtfParser::readHexByte() {
    int value = 0;
    int digits = 0;
    while (digits < 2 && pos_ < size_ && hexValue(data_[pos_]) >= 0) {
        value = value * 16 + hexValue(data_[pos_]);
        ++pos_;
        ++digits;
    }
    if (skipping() || consumeFallback() || digits < 2)
        return;
    bytes_.append(char(value));
}

void RtfParser::readText() {
    if (skipping()) {
        do
            ++pos_;
        while (pos_ < size_ && !isStructural(data_[pos_]));
        return;
    }
    const auto byte = static_cast<uchar>(data_[pos_]);
    if (consumeFallback()) {
        ++pos_;
        return;
    }
    if (byte >= 0x80) {
        ++pos_;
        bytes_.append(char(byte));
        return;
    }
    flushBytes();
    if (!isPlainText(char(byte))) {
        ++pos_;
        if (byte == '\t')
            deliver(u"\t");
        return;
    }
    const qsizetype start = pos_;
    while (pos_ < size_ && isPlainText(data_[pos_]))
        ++pos_;
    deliverAscii(QLatin1StringView(data_ + start, pos_ - start));
}

void RtfParser::apply(KeywordAction action, bool hasParameter, int parameter) {
    GroupState &group = state();
    switch (action.keyword) {
    case Keyword::CodePage:
        documentCodePage_ = action.value;
        break;
    case Keyword::AnsiCodePage:
        documentCodePage_ = parameter > 0 ? parameter : windows1252;
        break;
    case Keyword::DefaultFont:
        defaultFont_ = parameter;
        group.character.font = parameter;
        break;
    case Keyword::UnicodeSkip:
        group.unicodeSkip = std::clamp(parameter, 0, maximumUnicodeSkip);
        break;
    case Keyword::Unicode: {
        if (!hasParameter)
            break;
        const QString c = unicodeCharacter(parameter);
        deliver(c);
        fallbackToSkip_ = group.unicodeSkip;
        break;
    }
    case Keyword::Binary:
        skipBinary(hasParameter, parameter);
        break;
    case Keyword::FontTable:
    case Keyword::ColorTable:
    case Keyword::SkipDestination:
        group.destination = action.keyword == Keyword::FontTable    ? Destination::FontTable
                            : action.keyword == Keyword::ColorTable ? Destination::ColorTable
                                                                    : Destination::Skip;
        break;
    case Keyword::Paragraph:
        endParagraph();
        break;
    case Keyword::Cell:
        if (group.destination == Destination::Text && !group.character.hidden)
            pendingCells_ = std::min(pendingCells_ + 1, maximumPendingCells);
        break;
    case Keyword::Character: {
        const QChar c(char16_t(action.value));
        deliver(QStringView(&c, 1));
        break;
    }
    case Keyword::ParagraphDefaults:
    case Keyword::Alignment:
    case Keyword::LeftIndent:
    case Keyword::RightIndent:
    case Keyword::FirstLineIndent:
    case Keyword::SpaceBefore:
    case Keyword::SpaceAfter:
        applyParagraph(action, parameter);
        break;
    case Keyword::Font:
    case Keyword::FontKind:
    case Keyword::FontCharset:
    case Keyword::FontCodePage:
    case Keyword::Red:
    case Keyword::Green:
    case Keyword::Blue:
        applyTable(action, hasParameter, parameter);
        break;
    default:
        applyCharacter(action, hasParameter, parameter);
        break;
    }
}

void RtfParser::applyCharacter(KeywordAction action, bool hasParameter, int parameter) {
    CharacterState &character = state().character;
    // Toggles: \b turns on, \b0 turns off.
    const bool on = !hasParameter || parameter != 0;
    switch (action.keyword) {
    case Keyword::Plain:
        character = CharacterState();
        character.font = defaultFont_;
        break;
    case Keyword::Bold:
        character.bold = on;
        break;
    case Keyword::Italic:
        character.italic = on;
        break;
    case Keyword::Strike:
        character.strike = on;
        break;
    case Keyword::Hidden:
        character.hidden = on;
        break;
    case Keyword::Underline:
        character.underline = on ? action.value : int(QTextCharFormat::NoUnderline);
        break;
    case Keyword::UnderlineNone:
        character.underline = QTextCharFormat::NoUnderline;
        break;
    case Keyword::VerticalAlignment:
        character.verticalAlignment = action.value;
        break;
    case Keyword::Capitalization:
        character.capitalization = on ? action.value : int(QFont::MixedCase);
        break;
    case Keyword::FontSize:
        character.sizeHalfPoints = parameter > 0 ? std::min(parameter, maximumFontSizeHalfPoints)
                                                 : defaultFontSizeHalfPoints;
        break;
    case Keyword::Foreground:
        character.foreground = parameter;
        break;
    case Keyword::Background:
        character.background = parameter;
        break;
    default:
        break;
    }
}

void RtfParser::applyParagraph(KeywordAction action, int parameter) {
    ParagraphState &paragraph = state().paragraph;
    switch (action.keyword) {
    case Keyword::ParagraphDefaults:
        paragraph = ParagraphState();
        break;
    case Keyword::Alignment:
        paragraph.alignment = action.value;
        break;
    case Keyword::LeftIndent:
        paragraph.leftTwips = clampTwips(parameter);
        break;
    case Keyword::RightIndent:
        paragraph.rightTwips = clampTwips(parameter);
        break;
    case Keyword::FirstLineIndent:
        paragraph.firstLineTwips = clampTwips(parameter);
        break;
    case Keyword::SpaceBefore:
        paragraph.spaceBeforeTwips = std::clamp(parameter, 0, maximumTwips);
        break;
    case Keyword::SpaceAfter:
        paragraph.spaceAfterTwips = std::clamp(parameter, 0, maximumTwips);
        break;
    default:
        break;
    }
}

// \f selects a font in text and starts an entry in the font table; the other table words
// only mean something inside their table.
void RtfParser::applyTable(KeywordAction action, bool hasParameter, int parameter) {
    const Destination destination = state().destination;
    if (action.keyword == Keyword::Font && destination == Destination::Text) {
        if (hasParameter)
            state().character.font = parameter;
        return;
    }
    if (destination == Destination::FontTable) {
        switch (action.keyword) {
        case Keyword::Font:
            startFont(parameter);
            break;
        case Keyword::FontKind:
            fontEntry_.styleHint = action.value;
            break;
        case Keyword::FontCharset:
            fontEntry_.codePage = codePageOfCharset(parameter);
            break;
        case Keyword::FontCodePage:
            fontEntry_.codePage = std::max(parameter, 0);
            break;
        default:
            break;
        }
    } else if (destination == Destination::ColorTable) {
        const int component = std::clamp(parameter, 0, 255);
        switch (action.keyword) {
        case Keyword::Red:
            red_ = component;
            colorGiven_ = true;
            break;
        case Keyword::Green:
            green_ = component;
            colorGiven_ = true;
            break;
        case Keyword::Blue:
            blue_ = component;
            colorGiven_ = true;
            break;
        default:
            break;
        }
    }
}

void RtfParser::deliver(QStringView text) {
    switch (state().destination) {
    case Destination::Text:
        if (!prepareText())
            return;
        for (const QChar c : text) {
            if (!isUnsafeInText(c))
                text_.append(c);
        }
        break;
    case Destination::FontTable:
        fontName_.append(text);
        break;
    case Destination::ColorTable:
    case Destination::Skip:
        break;
    }
}

// Plain ASCII from the source: in the tables a ';' ends an entry.
void RtfParser::deliverAscii(QLatin1StringView text) {
    switch (state().destination) {
    case Destination::Text:
        if (prepareText())
            text_.append(text);
        break;
    case Destination::FontTable:
        for (const char c : text) {
            if (c == ';')
                commitFont();
            else
                fontName_.append(QLatin1Char(c));
        }
        break;
    case Destination::ColorTable:
        for (const char c : text) {
            if (c == ';')
                commitColor();
        }
        break;
    case Destination::Skip:
        break;
    }
}

// Gets the cursor ready for text in the current formatting; false for hidden text.
bool RtfParser::prepareText() {
    if (state().character.hidden)
        return false;
    enterParagraph();
    if (!(state().character == textState_)) {
        flushText();
        textState_ = state().character;
    }
    for (; pendingCells_ > 0; --pendingCells_)
        text_.append(u'\t');
    return true;
}

// Starts the paragraph that a \par announced, or brings the current block's format up to date.
// A paragraph takes the formatting in effect when it ends, as RTF has it.
void RtfParser::enterParagraph() {
    const ParagraphState &paragraph = state().paragraph;
    if (blockPending_) {
        flushText();
        cursor_.insertBlock(blockFormat(paragraph), charFormat(state().character));
        blockState_ = paragraph;
        blockPending_ = false;
    } else if (!(paragraph == blockState_)) {
        flushText();
        cursor_.setBlockFormat(blockFormat(paragraph));
        blockState_ = paragraph;
    }
}

// The next block is only made when something follows, so a final \par adds no empty line.
void RtfParser::endParagraph() {
    const GroupState &group = state();
    if (group.destination != Destination::Text || group.character.hidden)
        return;
    enterParagraph();
    if (text_.isEmpty() && cursor_.block().length() == 1)
        cursor_.setBlockCharFormat(charFormat(group.character)); // an empty line's height
    flushText();
    blockPending_ = true;
    pendingCells_ = 0;
}

void RtfParser::flushText() {
    if (text_.isEmpty())
        return;
    cursor_.insertText(replaceLoneSurrogates(text_), charFormat(textState_));
    text_.clear();
}

void RtfParser::flushBytes() {
    if (bytes_.isEmpty())
        return;
    const QString text = decode(bytes_, currentCodePage());
    bytes_.clear();
    deliver(text);
}

// A font with its own character set decodes its bytes in that set's code page.
int RtfParser::currentCodePage() {
    if (state().destination == Destination::FontTable)
        return fontEntry_.codePage > 0 ? fontEntry_.codePage : documentCodePage_;
    const auto font = fonts_.find(state().character.font);
    if (font != fonts_.end() && font->second.codePage > 0)
        return font->second.codePage;
    return documentCodePage_;
}

// Windows-1252 is decoded here; other code pages by the platform's converters, falling back
// to 1252 where none is available.
QString RtfParser::decode(const QByteArray &bytes, int codePage) {
    if (codePage != windows1252) {
        auto found = decoders_.find(codePage);
        if (found == decoders_.end() && decoders_.size() < std::size_t(maximumDecoders))
            found = decoders_.emplace(codePage, openDecoder(codePage)).first;
        if (found != decoders_.end() && found->second)
            return found->second->decode(bytes);
    }
    return fromWindows1252(bytes);
}

QTextCharFormat RtfParser::charFormat(const CharacterState &character) {
    if (formatCached_ && character == cachedState_)
        return cachedFormat_;
    QTextCharFormat format;
    format.setFontWeight(character.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(character.italic);
    format.setFontStrikeOut(character.strike);
    format.setUnderlineStyle(QTextCharFormat::UnderlineStyle(character.underline));
    format.setVerticalAlignment(QTextCharFormat::VerticalAlignment(character.verticalAlignment));
    format.setFontCapitalization(QFont::Capitalization(character.capitalization));
    format.setFontPointSize(character.sizeHalfPoints / 2.0);
    const auto font = fonts_.find(character.font);
    if (font != fonts_.end()) {
        if (!font->second.family.isEmpty())
            format.setFontFamilies(QStringList{font->second.family});
        format.setFontStyleHint(QFont::StyleHint(font->second.styleHint));
    }
    const auto colorAt = [this](int index) {
        return (index > 0 && std::size_t(index) < colors_.size()) ? colors_[index] : QColor();
    };
    if (const QColor foreground = colorAt(character.foreground); foreground.isValid())
        format.setForeground(foreground);
    if (const QColor background = colorAt(character.background); background.isValid())
        format.setBackground(background);
    cachedState_ = character;
    cachedFormat_ = format;
    formatCached_ = true;
    return format;
}

void RtfParser::startFont(int number) {
    commitFont();
    fontNumber_ = number;
    fontEntryDepth_ = stack_.size();
}

void RtfParser::commitFont() {
    if (fontNumber_) {
        fontEntry_.family = replaceLoneSurrogates(fontName_).trimmed();
        fonts_[*fontNumber_] = fontEntry_;
        formatCached_ = false;
    }
    fontNumber_.reset();
    fontEntry_ = FontEntry();
    fontName_.clear();
}

// An entry without any component is the "automatic" colour, usually the table's first.
void RtfParser::commitColor() {
    colors_.push_back(colorGiven_ ? QColor(red_, green_, blue_) : QColor());
    red_ = green_ = blue_ = 0;
    colorGiven_ = false;
    formatCached_ = false;
}

// Where the RTF document starts: at "{\rtf" after an optional byte-order mark and blanks;
// -1 when the bytes are not RTF.
qsizetype rtfStart(const QByteArray &bytes) {
    qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < bytes.size() && QByteArrayView(" \t\r\n").contains(bytes[start]))
        ++start;
    return QByteArrayView(bytes).sliced(start).startsWith("{\\rtf") ? start : -1;
}

void readPlainText(const QByteArray &bytes, QTextDocument *into) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = fromWindows1252(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    text.removeIf([](QChar c) { return c != u'\n' && isUnsafeInText(c); });
    into->setPlainText(text);
}

} // namespace

void RtfReader::read(const QByteArray &rtf, QTextDocument *into) {
    if (!into)
        return;
    const bool undoRedo = into->isUndoRedoEnabled();
    into->setUndoRedoEnabled(false);
    into->clear();
    const qsizetype start = rtfStart(rtf);
    if (start < 0) {
        readPlainText(rtf, into);
    } else {
        RtfParser parser(rtf, start, into);
        parser.run();
    }
    into->setUndoRedoEnabled(undoRedo);
}
