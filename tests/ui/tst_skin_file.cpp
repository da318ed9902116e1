// Tests of skin files: the built-in skins, both formats, and every way a file is refused.
#include "support/work_dir.h"
#include "ui/skin_file.h"
#include "ui/skin_storage.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <algorithm>
#include <cmath>

namespace {

// A skin as a person writes it by hand: comments of both kinds, blank lines, loose
// spacing, upper-case hex digits and a translucent colour. It is the README's example,
// read from there so the README cannot drift from what the program accepts.
QByteArray readmeExample() {
    QFile readme(QStringLiteral(VELD_SOURCE_DIR "/README.md"));
    if (!readme.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = readme.readAll();
    const qsizetype start = text.indexOf("```\nVELD-SKIN 1\n");
    const qsizetype end = text.indexOf("\nend\n```", start);
    if (start < 0 || end < 0)
        return {};
    return text.mid(start + 4, end + 5 - (start + 4));
}

const QByteArray handWritten = readmeExample();

Skin builtinSkin(std::size_t index) {
    return *SkinStorage(QLatin1String(builtinSkins[index].resource)).StoredSkin();
}

// Contrast ratio of two opaque colours as the WCAG defines it (1 to 21).
double contrast(const QColor &a, const QColor &b) {
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The message of the SkinFileError that `load` throws, or a null string if it throws none.
template <class Load> QString errorOf(Load load) {
    try {
        load();
    } catch (const SkinFileError &error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

QByteArray edited(QByteArray bytes, const char *from, const char *to) {
    return bytes.replace(from, to);
}

} // namespace

class SkinFileTest : public QObject {
    Q_OBJECT

private slots:
    void builtinSkinsLoadAndDiffer();
    void roundTrips();
    void handWrittenFile();
    void writerRefusesWhatCannotBeReadBack();
    void loadFileFromDisk();
    void refusedFilesLeaveSkinUnchanged_data();
    void refusedFilesLeaveSkinUnchanged();
    void unreadableFile();
    void everyTruncationIsRefused();
};

void SkinFileTest::builtinSkinsLoadAndDiffer() {
    std::vector<Skin> skins;
    for (std::size_t i = 0; i < builtinSkins.size(); ++i) {
        const SkinStorage storage(QLatin1String(builtinSkins[i].resource));
        const SkinRef skin = storage.StoredSkin();
        QVERIFY(skin);
        QCOMPARE(storage.StoredSkin().get(), skin.get());
        QCOMPARE(skin->SkinTitle, QString::fromUtf8(builtinSkins[i].name));
        // The about box names each skin's artist and says what the skin is.
        QVERIFY(!skin->SkinArtist.isEmpty());
        QVERIFY(!skin->SkinInfo.isEmpty());
        // Standard controls and the buttons' text must stay readable.
        QVERIFY2(contrast(skin->ControlColor1, skin->ControlColor2) >= 4.5, builtinSkins[i].name);
        for (const SkinLook *button :
             {&skin->buttonNormal, &skin->buttonHover, &skin->buttonPressed}) {
            QVERIFY2(contrast(button->text, button->fill.top) >= 3.0, builtinSkins[i].name);
            QVERIFY2(contrast(button->text, button->fill.bottom) >= 3.0, builtinSkins[i].name);
        }
        skins.push_back(*skin);
    }
    QVERIFY(skins.back().opacity < 255); // "Military (Transparant)" is translucent

    // Eight clearly different looks, not one look under eight names.
    for (std::size_t i = 0; i < skins.size(); ++i) {
        for (std::size_t j = i + 1; j < skins.size(); ++j) {
            QVERIFY2(!(skins[i].form == skins[j].form), builtinSkins[j].name);
            QVERIFY2(!(skins[i].buttonNormal == skins[j].buttonNormal), builtinSkins[j].name);
        }
    }
}

void SkinFileTest::roundTrips() {
    // Values the built-in skins do not use: limits of every range, texts with characters
    // that mean something in either format, and a translucent colour.
    Skin unusual = parseSkinText(handWritten);
    unusual.SkinTitle = QStringLiteral("Ω <&> \"x\" = #1 ; [y]");
    unusual.SkinArtist = QString();
    unusual.SkinInfo = QStringLiteral("Warna = pantai # sore");
    unusual.fontBold = true;
    unusual.fontPointSize = 72;
    unusual.opacity = 0;
    unusual.panel.radius = 60;
    unusual.panel.borderWidth = 20;
    unusual.form.fill.top = QColor::fromRgba(0x01020304);

    std::vector<Skin> skins{unusual};
    for (std::size_t i = 0; i < builtinSkins.size(); ++i)
        skins.push_back(builtinSkin(i));
    for (const Skin &skin : skins) {
        const QByteArray text = writeSkinText(skin);
        const Skin fromText = parseSkinText(text);
        QVERIFY2(fromText == skin, text.constData());
        QCOMPARE(writeSkinText(fromText), text);

        const QByteArray xml = writeSkinXml(skin);
        QVERIFY2(parseSkinXml(xml) == skin, xml.constData());
    }
}

void SkinFileTest::handWrittenFile() {
    const Skin skin = parseSkinText(handWritten);
    QCOMPARE(skin.SkinTitle, QStringLiteral("Pasir"));
    QCOMPARE(skin.ControlColor1, QColor(0xff, 0xfa, 0xf0));
    QCOMPARE(skin.form.fill.top, QColor(0xf5, 0xe6, 0xc8));
    QCOMPARE(skin.form.patternColor, QColor(0xff, 0xff, 0xff, 0x30));
    QCOMPARE(skin.form.pattern, SkinPattern::Dots);
    QCOMPARE(skin.buttonNormal.pattern, SkinPattern::Gloss);
    QCOMPARE(skin.panel.radius, 4);
    QCOMPARE(skin.fontPointSize, 10);

    // Saved by a Windows editor: byte-order mark, CR LF, trailing blanks and blank lines.
    QByteArray windows = "\xef\xbb\xbf" + handWritten;
    windows.replace("\n", "  \r\n");
    windows.append("\r\n\r\n");
    QVERIFY(parseSkinText(windows) == skin);
}

void SkinFileTest::writerRefusesWhatCannotBeReadBack() {
    const Skin good = builtinSkin(0);
    QVERIFY(!errorOf([] { writeSkinText(Skin()); }).isEmpty()); // unset colours
    Skin brokenTitle = good;
    brokenTitle.SkinTitle = QStringLiteral("two\nlines");
    QVERIFY(errorOf([&] { writeSkinText(brokenTitle); }).contains(QLatin1String("title")));
    Skin padded = good;
    padded.SkinInfo = QStringLiteral(" padded");
    QVERIFY(!errorOf([&] { writeSkinXml(padded); }).isEmpty());
    // Characters XML cannot carry: a file without them would read back different.
    for (const QString &text : {QStringLiteral("Win\uFFFE"), QStringLiteral("Win\uFFFF"),
                                QString(QChar(0xD83D)) + u'x'}) {
        Skin lossy = good;
        lossy.SkinInfo = text;
        QVERIFY(errorOf([&] { writeSkinXml(lossy); }).contains(QLatin1String("info")));
        QVERIFY(errorOf([&] { writeSkinText(lossy); }).contains(QLatin1String("info")));
    }
    Skin emoji = good;
    emoji.SkinInfo = QStringLiteral("Ombak 🌊");
    QVERIFY(parseSkinXml(writeSkinXml(emoji)) == emoji);
    Skin tooBig = good;
    tooBig.buttonHover.radius = 61;
    QVERIFY(errorOf([&] { writeSkinXml(tooBig); }).contains(QLatin1String("radius")));
}

void SkinFileTest::loadFileFromDisk() {
    const ScopedWorkDir dir;
    const Skin expected = parseSkinText(handWritten);
    dir.write(QStringLiteral("pasir.skn"), handWritten);
    dir.write(QStringLiteral("pasir.XML"), writeSkinXml(expected));
    dir.write(QStringLiteral("pasir.txt"), handWritten); // any suffix but .xml is text

    for (const char *name : {"pasir.skn", "pasir.XML", "pasir.txt"}) {
        Skin skin = builtinSkin(2);
        skin.LoadFile(dir.filePath(QLatin1String(name)));
        QVERIFY2(skin == expected, name);
    }
}

void SkinFileTest::refusedFilesLeaveSkinUnchanged_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message"); // a piece of the error's text

    const QByteArray text = writeSkinText(builtinSkin(0));
    const QByteArray xml = writeSkinXml(builtinSkin(0));
    const QString skn = QStringLiteral("bad.skn");
    const QString xmlName = QStringLiteral("bad.xml");

    QTest::newRow("missing") << QStringLiteral("absent.skn") << QByteArray() << "no such file";
    QTest::newRow("directory") << QStringLiteral("folder") << QByteArray() << "folder";
    QTest::newRow("empty") << skn << QByteArray("") << "empty";
    QTest::newRow("wrong magic") << skn << edited(text, "VELD-SKIN 1", "VELD-SKIN 2") << "line 1";
    QTest::newRow("not utf-8") << skn << edited(text, "WinAqua", "Win\xff") << "UTF-8";
    QTest::newRow("control character") << skn << edited(text, "WinAqua", "Win\x01") << "control";
    QTest::newRow("bad colour") << skn << edited(text, "#8aa4c0", "#8aa4cz") << "border in [form]";
    QTest::newRow("opacity 256") << skn << edited(text, "opacity = 255", "opacity = 256")
                                 << "opacity in [skin]";
    QTest::newRow("font size 3") << skn << edited(text, "font-size = 9", "font-size = 3")
                                 << "font-size";
    QTest::newRow("not a number") << skn << edited(text, "radius = 8", "radius = 8px") << "radius";
    QTest::newRow("bad flag") << skn << edited(text, "font-bold = no", "font-bold = ja")
                              << "font-bold";
    QTest::newRow("bad pattern") << skn << edited(text, "pattern = stripes", "pattern = zigzag")
                                 << "pattern in [form]";
    QTest::newRow("unknown key") << skn << edited(text, "[panel]\n", "[panel]\nshadow = #000000\n")
                                 << "unknown key 'shadow' in [panel]";
    QTest::newRow("unknown section")
        << skn << edited(text, "[label]", "[caption]") << "unknown section [caption]";
    QTest::newRow("duplicate section")
        << skn << edited(text, "[label]", "[panel]") << "appears twice";
    QTest::newRow("duplicate key")
        << skn << edited(text, "opacity = 255", "opacity = 255\nopacity = 9") << "appears twice";
    QTest::newRow("key before section")
        << skn << edited(text, "[skin]", "opacity = 9\n[skin]") << "before any section";
    QTest::newRow("no equals sign") << skn << edited(text, "radius = 10", "radius 10") << "line";
    QTest::newRow("missing key") << skn << edited(text, "radius = 10\n", "")
                                 << "key 'radius' is missing from [panel]";
    QTest::newRow("end twice") << skn << text + "end\n"
                               << "last line";
    QTest::newRow("text after end") << skn << text + "title = x\n"
                                    << "cut short";
    QTest::newRow("huge") << skn << text + QByteArray(maxSkinFileBytes, '#') << "larger than";
    if (QFile::exists(QStringLiteral("/dev/zero")))
        QTest::newRow("device") << QStringLiteral("/dev/zero") << QByteArray() << "regular file";

    QTest::newRow("malformed xml") << xmlName << edited(xml, "</title>", "</titel>") << "line 4";
    QTest::newRow("text as xml") << xmlName << text << "line 1"; // the suffix decides
    QTest::newRow("wrong root") << xmlName << edited(xml, "veld-skin", "skin-file") << "root";
    QTest::newRow("wrong version")
        << xmlName << edited(xml, "version=\"1\">", "version=\"2\">") << "version";
    QTest::newRow("unknown element")
        << xmlName << edited(xml, "artist>", "painter>") << "unknown key 'painter' in <skin>";
    QTest::newRow("nested element")
        << xmlName << edited(xml, ">WinAqua<", "><b>WinAqua</b><") << "line 4";
    QTest::newRow("stray text") << xmlName << edited(xml, "<form>", "<form>hello")
                                << "unexpected text";
    QTest::newRow("entities") << xmlName
                              << edited(xml, "<veld-skin ",
                                        "<!DOCTYPE veld-skin [<!ENTITY a \"aaaa\">]>\n<veld-skin ")
                              << "document type";
}

void SkinFileTest::refusedFilesLeaveSkinUnchanged() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);

    const ScopedWorkDir dir;
    if (name == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(name));
    else if (!bytes.isNull())
        dir.write(name, bytes);
    const QString path = name.startsWith(u'/') ? name : dir.filePath(name);

    Skin skin = builtinSkin(6);
    const Skin before = skin;
    const QString error = errorOf([&] { skin.LoadFile(path); });
    QVERIFY2(!error.isNull(), "the file was accepted");
    QVERIFY2(error.contains(message), qPrintable(error));
    QVERIFY(skin == before);
}

void SkinFileTest::unreadableFile() {
    const ScopedWorkDir dir;
    dir.write(QStringLiteral("locked.skn"), handWritten);
    const QString path = dir.filePath(QStringLiteral("locked.skn"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("running with rights that read any file");

    Skin skin = builtinSkin(3);
    const Skin before = skin;
    QVERIFY(errorOf([&] { skin.LoadFile(path); }).contains(QLatin1String("cannot be read")));
    QVERIFY(skin == before);
}

void SkinFileTest::everyTruncationIsRefused() {
    // A text file is complete once its final "end" is there, with or without the line break.
    for (std::size_t i = 0; i < builtinSkins.size(); ++i) {
        QFile file(QLatin1String(builtinSkins[i].resource));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray full = file.readAll();
        QVERIFY(full.endsWith("\nend\n"));
        for (qsizetype length = 0; length < full.size() - 1; ++length) {
            if (errorOf([&] { parseSkinText(full.left(length)); }).isNull())
                QFAIL(qPrintable(QStringLiteral("%1: accepted the first %2 bytes")
                                     .arg(builtinSkins[i].name)
                                     .arg(length)));
        }
        QVERIFY(parseSkinText(full.left(full.size() - 1)) == builtinSkin(i));
    }

    // An XML file is complete once its root element is closed.
    const QByteArray xml = writeSkinXml(builtinSkin(4));
    const qsizetype complete = xml.indexOf("</veld-skin>") + qsizetype(strlen("</veld-skin>"));
    for (qsizetype length = 0; length < complete; ++length) {
        if (errorOf([&] { parseSkinXml(xml.left(length)); }).isNull())
            QFAIL(qPrintable(QStringLiteral("accepted the first %1 bytes of XML").arg(length)));
    }
    QVERIFY(parseSkinXml(xml.left(complete)) == builtinSkin(4));
}

QTEST_MAIN(SkinFileTest)
#include "tst_skin_file.moc"
