// Tests of the Windows-1252 conversion of the work files.
#include "document/code_page.h"

#include <QTest>

class TestCodePage : public QObject {
    Q_OBJECT

private slots:
    void encodesOneBytePerCharacter_data();
    void encodesOneBytePerCharacter();
    void everyByteSurvivesARoundTrip();
    void decodesTheUpperControlRow();
};

void TestCodePage::encodesOneBytePerCharacter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("ascii with line end") << QStringLiteral("1b. a\r\n") << QByteArray("1b. a\r\n");
    QTest::newRow("euro sign") << QStringLiteral("\u20AC 5") << QByteArray("\x80 5");
    QTest::newRow("latin-1 letters")
        << QStringLiteral("caf\u00E9 \u00FF") << QByteArray("caf\xE9 \xFF");
    QTest::newRow("quotes and dashes") << QStringLiteral("\u201Ca\u201D \u2013 \u2122")
                                       << QByteArray("\x93"
                                                     "a\x94 \x96 \x99");
    QTest::newRow("last of the row") << QStringLiteral("\u0178") << QByteArray("\x9F");
    QTest::newRow("undefined byte's control") << QStringLiteral("\u0081") << QByteArray("\x81");
    QTest::newRow("letter outside the page") << QStringLiteral("S\u0101ra") << QByteArray("S?ra");
    QTest::newRow("control of a defined byte") << QStringLiteral("\u0080") << QByteArray("?");
    QTest::newRow("emoji is one character") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
    QTest::newRow("lone high surrogate")
        << QString(QChar(0xD83D)) + QLatin1Char('x') << QByteArray("?x");
    QTest::newRow("lone low surrogate") << QString(QChar(0xDE00)) << QByteArray("?");
    QTest::newRow("high surrogate as the last unit")
        << QLatin1String("a") + QChar(0xD83D) << QByteArray("a?");
    QTest::newRow("low surrogate before a pair")
        << QString(QChar(0xDE00)) + QStringLiteral("\U0001F600") << QByteArray("??");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestCodePage::encodesOneBytePerCharacter() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(toWindows1252(text), bytes);
}

void TestCodePage::everyByteSurvivesARoundTrip() {
    QByteArray all;
    for (int value = 0; value < 256; ++value)
        all.append(char(value));
    const QString text = fromWindows1252(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(toWindows1252(text), all);
}

void TestCodePage::decodesTheUpperControlRow() {
    QCOMPARE(fromWindows1252("\x80\x8A\x9C\x9D\xA0\xE9"),
             QStringLiteral("\u20AC\u0160\u0153\u009D\u00A0\u00E9"));
}

QTEST_MAIN(TestCodePage)
#include "tst_code_page.moc"
