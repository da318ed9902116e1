// Skin files: the text and XML parsers and writers, and Skin::LoadFile on top of them.
#include "ui/skin_file.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <variant>
#include <vector>

namespace {

const QString textMagic = QStringLiteral("VELD-SKIN 1");
const QString textEnd = QStringLiteral("end");
const QString xmlRoot = QStringLiteral("veld-skin");
const QString xmlVersion = QStringLiteral("1");

[[noreturn]] void fail(const QString &message) {
    throw SkinFileError(message.toStdString());
}

// Where one key's value lives inside a skin.
using ValueSlot = std::variant<QString *, QColor *, int *, bool *, SkinPattern *>;

// One key of a section. For numbers min/max bound the value, for texts their length.
struct KeySlot {
    const char *name;
    ValueSlot value;
    int min = 0;
    int max = 0;
};

struct SectionSlots {
    QString name; // as the text format writes it, e.g. "button:hover"
    std::vector<KeySlot> keys;
};

std::vector<KeySlot> skinKeys(Skin &skin) {
    return {
        {"title", &skin.SkinTitle, 0, 100},        {"artist", &skin.SkinArtist, 0, 100},
        {"info", &skin.SkinInfo, 0, 500},          {"control-color-1", &skin.ControlColor1},
        {"control-color-2", &skin.ControlColor2},  {"font-family", &skin.fontFamily, 1, 100},
        {"font-size", &skin.fontPointSize, 4, 72}, {"font-bold", &skin.fontBold},
        {"opacity", &skin.opacity, 0, 255},
    };
}

std::vector<KeySlot> lookKeys(SkinLook &look) {
    return {
        {"fill-top", &look.fill.top},    {"fill-bottom", &look.fill.bottom},
        {"border", &look.border},        {"border-width", &look.borderWidth, 0, 20},
        {"radius", &look.radius, 0, 60}, {"text", &look.text},
        {"pattern", &look.pattern},      {"pattern-color", &look.patternColor},
    };
}

// Every section of a skin file, in the order they are written, bound to `skin`.
// The one table that reading, writing and the check for missing keys share.
std::vector<SectionSlots> sectionsOf(Skin &skin) {
    return {
        {QStringLiteral("skin"), skinKeys(skin)},
        {QStringLiteral("form"), lookKeys(skin.form)},
        {QStringLiteral("button"), lookKeys(skin.buttonNormal)},
        {QStringLiteral("button:hover"), lookKeys(skin.buttonHover)},
        {QStringLiteral("button:pressed"), lookKeys(skin.buttonPressed)},
        {QStringLiteral("button:disabled"), lookKeys(skin.buttonDisabled)},
        {QStringLiteral("label"), lookKeys(skin.label)},
        {QStringLiteral("panel"), lookKeys(skin.panel)},
    };
}

// XML element names cannot hold ':' without a namespace, so "button:hover" is <button-hover>.
QString xmlNameOf(const QString &section) {
    QString name = section;
    return name.replace(u':', u'-');
}

struct PatternName {
    SkinPattern pattern;
    const char *name;
};

constexpr PatternName patternNames[] = {
    {SkinPattern::None, "none"}, {SkinPattern::Stripes, "stripes"}, {SkinPattern::Grid, "grid"},
    {SkinPattern::Dots, "dots"}, {SkinPattern::Bars, "bars"},       {SkinPattern::Gloss, "gloss"},
};

QString quoted(const QString &text) {
    return u'\'' + text + u'\'';
}

// Reads `text` into the slot. Returns what is wrong with it, or an empty string.
QString assign(const KeySlot &slot, const QString &text) {
    struct Reader {
        const QString &text;
        QString operator()(QString *target) const {
            *target = text;
            return {};
        }
        QString operator()(QColor *target) const {
            static const QRegularExpression colour(
                QStringLiteral("^#([0-9a-fA-F]{6}|[0-9a-fA-F]{8})$"));
            if (!colour.match(text).hasMatch())
                return quoted(text) +
                       QStringLiteral(" is not a colour; write #rrggbb or #aarrggbb");
            QRgb value = text.mid(1).toUInt(nullptr, 16);
            if (text.size() == 7)
                value |= 0xff000000u;
            *target = QColor::fromRgba(value);
            return {};
        }
        QString operator()(int *target) const {
            static const QRegularExpression number(QStringLiteral("^-?[0-9]{1,9}$"));
            if (!number.match(text).hasMatch())
                return quoted(text) + QStringLiteral(" is not a whole number");
            *target = text.toInt();
            return {};
        }
        QString operator()(bool *target) const {
            if (text != QLatin1String("yes") && text != QLatin1String("no"))
                return quoted(text) + QStringLiteral(" must be yes or no");
            *target = text == QLatin1String("yes");
            return {};
        }
        QString operator()(SkinPattern *target) const {
            for (const PatternName &entry : patternNames) {
                if (text == QLatin1String(entry.name)) {
                    *target = entry.pattern;
                    return {};
                }
            }
            return quoted(text) +
                   QStringLiteral(
                       " is not a pattern; use none, stripes, grid, dots, bars or gloss");
        }
    };
    return std::visit(Reader{text}, slot.value);
}

// The first UTF-16 unit of a character that XML 1.0 cannot carry, control characters aside:
// U+FFFE, U+FFFF, or a surrogate without its partner. 0 when there is none. Both formats
// refuse them, so that a skin always survives the way through the other.
char16_t characterXmlCannotHold(const QString &text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate() || c.unicode() == 0xFFFE || c.unicode() == 0xFFFF)
            return c.unicode();
    }
    return 0;
}

// What keeps the slot's current value from being stored in a file, or an empty string.
// Texts are trimmed when read, so surrounding blanks could not come back.
QString problemWith(const KeySlot &slot) {
    struct Checker {
        const KeySlot &slot;
        QString outOfRange(qsizetype value) const {
            return QStringLiteral("%1 is outside %2..%3").arg(value).arg(slot.min).arg(slot.max);
        }
        QString operator()(const QString *text) const {
            if (text->size() < slot.min)
                return QStringLiteral("must not be empty");
            if (text->size() > slot.max)
                return QStringLiteral("is longer than %1 characters").arg(slot.max);
            for (QChar c : *text) {
                if (c.category() == QChar::Other_Control)
                    return QStringLiteral("contains a control character");
            }
            if (const char16_t c = characterXmlCannotHold(*text))
                return QStringLiteral("contains U+%1, which a skin file cannot hold")
                    .arg(QString::number(c, 16).toUpper().rightJustified(4, u'0'));
            if (*text != text->trimmed())
                return QStringLiteral("starts or ends with a blank");
            return {};
        }
        QString operator()(const QColor *colour) const {
            return colour->isValid() ? QString() : QStringLiteral("has no colour set");
        }
        QString operator()(const int *number) const {
            return *number < slot.min || *number > slot.max ? outOfRange(*number) : QString();
        }
        QString operator()(const bool *) const { return {}; }
        QString operator()(const SkinPattern *pattern) const {
            for (const PatternName &entry : patternNames) {
                if (entry.pattern == *pattern)
                    return {};
            }
            return QStringLiteral("is not a known pattern");
        }
    };
    return std::visit(Checker{slot}, slot.value);
}

QString formatValue(const KeySlot &slot) {
    struct Formatter {
        QString operator()(const QString *text) const { return *text; }
        QString operator()(const QColor *colour) const {
            return colour->name(colour->alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
        }
        QString operator()(const int *number) const { return QString::number(*number); }
        QString operator()(const bool *flag) const {
            return *flag ? QStringLiteral("yes") : QStringLiteral("no");
        }
        QString operator()(const SkinPattern *pattern) const {
            for (const PatternName &entry : patternNames) {
                if (entry.pattern == *pattern)
                    return QLatin1String(entry.name);
            }
            return {};
        }
    };
    return std::visit(Formatter{}, slot.value);
}

enum class Syntax { Text, Xml };

// Collects sections and keys as a parser meets them into a fresh skin, checking each
// value at once and, at the end, that nothing is missing. Messages name sections the
// way the file writes them: [button:hover] or <button-hover>.
class SkinBuilder {
public:
    explicit SkinBuilder(Syntax syntax) : syntax_(syntax), sections_(sectionsOf(skin_)) {}
    SkinBuilder(const SkinBuilder &) = delete;
    SkinBuilder &operator=(const SkinBuilder &) = delete;

    void beginSection(const QString &name, const QString &where) {
        current_ = nullptr;
        for (const SectionSlots &section : sections_) {
            if (nameOf(section) == name)
                current_ = &section;
        }
        if (!current_)
            fail(QStringLiteral("%1: unknown section %2").arg(where, label(name)));
        if (seenSections_.contains(current_->name))
            fail(QStringLiteral("%1: section %2 appears twice").arg(where, label(name)));
        seenSections_.insert(current_->name);
    }

    void setValue(const QString &key, const QString &text, const QString &where) {
        if (!current_)
            fail(QStringLiteral("%1: key %2 stands before any section").arg(where, quoted(key)));
        const KeySlot *slot = nullptr;
        for (const KeySlot &candidate : current_->keys) {
            if (key == QLatin1String(candidate.name))
                slot = &candidate;
        }
        const QString section = label(nameOf(*current_));
        if (!slot)
            fail(QStringLiteral("%1: unknown key %2 in %3").arg(where, quoted(key), section));
        const QString id = current_->name + u'/' + key;
        if (seenKeys_.contains(id))
            fail(QStringLiteral("%1: key %2 appears twice in %3").arg(where, quoted(key), section));
        seenKeys_.insert(id);
        QString problem = assign(*slot, text);
        if (problem.isEmpty())
            problem = problemWith(*slot);
        if (!problem.isEmpty())
            fail(QStringLiteral("%1: %2 in %3: %4").arg(where, key, section, problem));
    }

    Skin finish() const {
        for (const SectionSlots &section : sections_) {
            const QString sectionLabel = label(nameOf(section));
            if (!seenSections_.contains(section.name))
                fail(QStringLiteral("section %1 is missing").arg(sectionLabel));
            for (const KeySlot &slot : section.keys) {
                if (!seenKeys_.contains(section.name + u'/' + QLatin1String(slot.name)))
                    fail(
                        QStringLiteral("key '%1' is missing from %2").arg(slot.name, sectionLabel));
            }
        }
        return skin_;
    }

private:
    QString nameOf(const SectionSlots &section) const {
        return syntax_ == Syntax::Xml ? xmlNameOf(section.name) : section.name;
    }
    QString label(const QString &name) const {
        return syntax_ == Syntax::Xml ? u'<' + name + u'>' : u'[' + name + u']';
    }

    Syntax syntax_;
    Skin skin_; // declared before sections_, whose slots point into it
    std::vector<SectionSlots> sections_;
    const SectionSlots *current_ = nullptr;
    QSet<QString> seenSections_;
    QSet<QString> seenKeys_;
};

void checkSize(const QByteArray &bytes) {
    if (bytes.isEmpty())
        fail(QStringLiteral("the file is empty"));
    if (bytes.size() > maxSkinFileBytes)
        fail(QStringLiteral("the file is larger than %1 bytes, too large for a skin")
                 .arg(maxSkinFileBytes));
}

struct WrittenSection {
    QString name;
    QList<std::pair<QString, QString>> values;
};

// The skin's sections and keys as text, after checking that every value can be read back.
QList<WrittenSection> sectionsToWrite(const Skin &skin) {
    Skin copy = skin;
    QList<WrittenSection> written;
    for (const SectionSlots &section : sectionsOf(copy)) {
        WrittenSection out{section.name, {}};
        for (const KeySlot &slot : section.keys) {
            const QString problem = problemWith(slot);
            if (!problem.isEmpty())
                fail(QStringLiteral("cannot write %1 in [%2]: %3")
                         .arg(QLatin1String(slot.name), section.name, problem));
            out.values.append({QLatin1String(slot.name), formatValue(slot)});
        }
        written.append(out);
    }
    return written;
}

void checkXmlRoot(const QXmlStreamReader &xml, const QString &where) {
    if (xml.name() != xmlRoot)
        fail(QStringLiteral("%1: the root element must be <%2>, not <%3>")
                 .arg(where, xmlRoot, xml.name().toString()));
    const QXmlStreamAttributes attributes = xml.attributes();
    if (attributes.value(QLatin1String("version")) != xmlVersion || attributes.size() != 1)
        fail(QStringLiteral("%1: the root element must read <%2 version=\"%3\">")
                 .arg(where, xmlRoot, xmlVersion));
}

} // namespace

Skin parseSkinText(const QByteArray &bytes) {
    checkSize(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8); // drops a leading byte-order mark
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        fail(QStringLiteral("the file is not UTF-8 text"));

    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        line = line.trimmed(); // also drops the CR of CR LF line ends
    if (lines.first() != textMagic)
        fail(QStringLiteral("line 1: not a VELD skin file; the first line must read '%1'")
                 .arg(textMagic));
    qsizetype last = lines.size() - 1;
    while (last > 0 && lines[last].isEmpty())
        --last;
    if (lines[last] != textEnd)
        fail(QStringLiteral("the file does not close with the line 'end'; it may be cut short"));

    SkinBuilder builder(Syntax::Text);
    for (qsizetype i = 1; i < last; ++i) {
        const QString &line = lines[i];
        const QString where = QStringLiteral("line %1").arg(i + 1);
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u';'))
            continue;
        if (line == textEnd)
            fail(where + QStringLiteral(": 'end' must be the last line"));
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']'))
                fail(where + QStringLiteral(": a section header must close with ']'"));
            builder.beginSection(line.mid(1, line.size() - 2).trimmed(), where);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            fail(where + QStringLiteral(": expected 'key = value'"));
        builder.setValue(line.left(equals).trimmed(), line.mid(equals + 1).trimmed(), where);
    }
    return builder.finish();
}

Skin parseSkinXml(const QByteArray &bytes) {
    checkSize(bytes);
    QXmlStreamReader xml(bytes);
    SkinBuilder builder(Syntax::Xml);
    const auto where = [&xml] { return QStringLiteral("line %1").arg(xml.lineNumber()); };
    int depth = 0; // 1: root, 2: section, 3: key
    bool rootClosed = false;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            // Nothing in a skin needs entities; refusing them keeps expansion bombs out.
            fail(where() + QStringLiteral(": document type declarations are not allowed"));
        case QXmlStreamReader::EntityReference:
            fail(where() + QStringLiteral(": unknown entity '&%1;'").arg(xml.name()));
        case QXmlStreamReader::StartElement: {
            ++depth;
            const QString at = where();
            if (depth == 1) {
                checkXmlRoot(xml, at);
                break;
            }
            if (!xml.attributes().isEmpty())
                fail(at + QStringLiteral(": <%1> takes no attributes").arg(xml.name()));
            if (depth == 2) {
                builder.beginSection(xml.name().toString(), at);
                break;
            }
            const QString key = xml.name().toString();
            const QString value = xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
            if (xml.hasError())
                break;
            builder.setValue(key, value.trimmed(), at);
            --depth; // readElementText consumed the key's end tag
            break;
        }
        case QXmlStreamReader::EndElement:
            if (--depth == 0)
                rootClosed = true;
            break;
        case QXmlStreamReader::Characters:
            if (!xml.isWhitespace())
                fail(where() +
                     QStringLiteral(": unexpected text %1").arg(quoted(xml.text().toString())));
            break;
        default:
            break;
        }
    }
    if (xml.hasError() && xml.error() != QXmlStreamReader::PrematureEndOfDocumentError)
        fail(QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString()));
    if (xml.hasError() || !rootClosed)
        fail(QStringLiteral("the file ends before </%1>; it may be cut short").arg(xmlRoot));
    return builder.finish();
}

QByteArray writeSkinText(const Skin &skin) {
    QString text = textMagic + u'\n';
    for (const WrittenSection &section : sectionsToWrite(skin)) {
        text += u'[' + section.name + QStringLiteral("]\n");
        for (const auto &[key, value] : section.values)
            text += value.isEmpty() ? key + QStringLiteral(" =\n")
                                    : key + QStringLiteral(" = ") + value + u'\n';
        text += u'\n';
    }
    text += textEnd + u'\n';
    return text.toUtf8();
}

QByteArray writeSkinXml(const Skin &skin) {
    const QList<WrittenSection> sections = sectionsToWrite(skin);
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeStartElement(xmlRoot);
    xml.writeAttribute(QStringLiteral("version"), xmlVersion);
    for (const WrittenSection &section : sections) {
        xml.writeStartElement(xmlNameOf(section.name));
        for (const auto &[key, value] : section.values)
            xml.writeTextElement(key, value);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

void Skin::LoadFile(const QString &path) {
    const auto failWith = [&path](const QString &problem) {
        fail(QStringLiteral("%1: %2").arg(path, problem));
    };
    const QFileInfo info(path);
    if (!info.exists())
        failWith(QStringLiteral("no such file"));
    if (info.isDir())
        failWith(QStringLiteral("is a folder, not a skin file"));
    // Devices and pipes could block or never end; a skin is always a plain file.
    if (!info.isFile())
        failWith(QStringLiteral("is not a regular file"));
    if (info.size() > maxSkinFileBytes)
        failWith(
            QStringLiteral("is larger than %1 bytes, too large for a skin").arg(maxSkinFileBytes));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        failWith(QStringLiteral("cannot be read: ") + file.errorString());
    // One byte past the limit is enough to tell a file that grew since it was measured.
    const QByteArray bytes = file.read(maxSkinFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        failWith(QStringLiteral("cannot be read: ") + file.errorString());

    // Parsed into a temporary first: a failure leaves this skin exactly as it was.
    Skin loaded;
    try {
        const bool xml = info.suffix().compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0;
        loaded = xml ? parseSkinXml(bytes) : parseSkinText(bytes);
    } catch (const SkinFileError &error) {
        failWith(QString::fromUtf8(error.what()));
    }
    *this = std::move(loaded);
}
