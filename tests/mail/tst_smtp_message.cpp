// The message on the wire and the replies from it: date, headers, encoded words,
// body line ends and points, and whole replies gathered from arrivals.
#include "document/code_page.h"
#include "mail/mail_header.h"
#include "mail/smtp_message.h"
#include "mail/smtp_reply.h"

#include <QTimeZone>
#include <QtTest>

namespace {

// Undoes our encoded words: the text a mail program shows for a header value.
QString decodedHeaderValue(QByteArray value) {
    static const QRegularExpression word(QStringLiteral(R"(=\?windows-1252\?Q\?([^?]*)\?=\s*)"));
    QByteArray bytes;
    for (const auto &match : word.globalMatch(QString::fromLatin1(value))) {
        const QByteArray payload = match.captured(1).toLatin1().replace('_', ' ');
        for (qsizetype i = 0; i < payload.size(); ++i) {
            if (payload[i] == '=') {
                bytes += char(payload.mid(i + 1, 2).toInt(nullptr, 16));
                i += 2;
            } else {
                bytes += payload[i];
            }
        }
    }
    return fromWindows1252(bytes);
}

const QDateTime aDate(QDate(2026, 12, 5), QTime(15, 10, 49), QTimeZone(7 * 3600));

} // namespace

class TestSmtpMessage : public QObject {
    Q_OBJECT
private slots:
    void dateIsEnglishWithTheRealOffset_data();
    void dateIsEnglishWithTheRealOffset();
    void displayNamesAreValidMailboxes_data();
    void displayNamesAreValidMailboxes();
    void longTextBeyondAsciiFoldsWithinTheLineLimit_data();
    void longTextBeyondAsciiFoldsWithinTheLineLimit();
    void fieldsCannotAddHeadersOrCommands();
    void bodyLinesEndInCrLfWithPointsDoubled_data();
    void bodyLinesEndInCrLfWithPointsDoubled();
    void repliesAreReadWhole_data();
    void repliesAreReadWhole();
};

void TestSmtpMessage::dateIsEnglishWithTheRealOffset_data() {
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("east") << aDate << QByteArray("Sat, 05 Dec 2026 15:10:49 +0700");
    QTest::newRow("early, west") << QDateTime(QDate(2026, 3, 7), QTime(9, 5, 3),
                                              QTimeZone(-6 * 3600))
                                 << QByteArray("Sat, 07 Mar 2026 09:05:03 -0600");
    QTest::newRow("half hours") << QDateTime(QDate(2027, 1, 11), QTime(0, 0, 0),
                                             QTimeZone(-(3 * 3600 + 1800)))
                                << QByteArray("Mon, 11 Jan 2027 00:00:00 -0330");
}

void TestSmtpMessage::dateIsEnglishWithTheRealOffset() {
    QFETCH(QDateTime, when);
    QFETCH(QByteArray, expected);
    // An applicant's machine speaks Indonesian; the header does not.
    QLocale::setDefault(QLocale(QLocale::Indonesian, QLocale::Indonesia));
    QCOMPARE(mailDate(when), expected);
    QLocale::setDefault(QLocale::c());
}

void TestSmtpMessage::displayNamesAreValidMailboxes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray to = " <rina@pelabuhan.qv>\r\n";
    QTest::newRow("no name") << QString() << "From:" + to;
    QTest::newRow("plain") << QStringLiteral("Rina W") << "From: Rina W" + to;
    QTest::newRow("blanks as typed") << QStringLiteral(" Rina  W ") << "From:  Rina  W " + to;
    QTest::newRow("comma") << QStringLiteral("Wulandari, Rina") << "From: \"Wulandari, Rina\"" + to;
    QTest::newRow("brackets") << QStringLiteral("Rina (kantor) <x>")
                              << "From: \"Rina (kantor) <x>\"" + to;
    QTest::newRow("double quote") << QStringLiteral("Rina \"Ibu\" W")
                                  << "From: =?windows-1252?Q?Rina_=22Ibu=22_W?=" + to;
    QTest::newRow("accents") << QStringLiteral("Renée Müller_=?")
                             << "From: =?windows-1252?Q?Ren=E9e_M=FCller=5F=3D=3F?=" + to;
    QTest::newRow("beyond the code page")
        << QStringLiteral("Rina \u4E00") << "From: =?windows-1252?Q?Rina_=3F?=" + to;
}

void TestSmtpMessage::displayNamesAreValidMailboxes() {
    QFETCH(QString, name);
    QFETCH(QByteArray, expected);
    QCOMPARE(mailboxHeader("From", name, QStringLiteral("rina@pelabuhan.qv")), expected);
}

void TestSmtpMessage::longTextBeyondAsciiFoldsWithinTheLineLimit_data() {
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("text");
    const QString accents = QStringLiteral("Perubahan data sekolah Ibu Ségolène à Lübeck — ");
    QTest::newRow("subject") << QByteArray("Subject") << accents.repeated(4);
    QTest::newRow("name") << QByteArray("From") << accents.repeated(3);
    QTest::newRow("every byte encoded")
        << QByteArray("Subject") << QStringLiteral("é").repeated(60);
}

void TestSmtpMessage::longTextBeyondAsciiFoldsWithinTheLineLimit() {
    QFETCH(QByteArray, header);
    QFETCH(QString, text);
    const QByteArray lines = header == "From" ? mailboxHeader(header, text, "rina@pelabuhan.qv")
                                              : textHeader(header, text);
    QVERIFY(lines.endsWith("\r\n"));
    const QByteArrayList split = lines.chopped(2).split('\n');
    QVERIFY(split.size() > 2);
    for (qsizetype i = 0; i < split.size(); ++i) {
        const QByteArray line = i + 1 < split.size() ? split[i].chopped(1) : split[i];
        QVERIFY2(line.size() <= 78, line.constData());
        QVERIFY(!line.contains('\r'));
        QVERIFY(i == 0 || line.startsWith(' '));
    }
    const QByteArray value = lines.mid(header.size() + 1).replace("\r\n", "");
    QCOMPARE(decodedHeaderValue(value), text);
}

// Header values are checked on their way through a real server; addresses here.
void TestSmtpMessage::fieldsCannotAddHeadersOrCommands() {
    QCOMPARE(addressBytes(QStringLiteral("a@b.qv\r\nrcpt to:<korban@contoh.qv>\n")),
             QByteArray("a@b.qvrcpt to:<korban@contoh.qv>"));
    QCOMPARE(mailboxHeader("To", QString(), QStringLiteral("c@d.qv\r\nBcc: e@f.qv")),
             QByteArray("To: <c@d.qvBcc: e@f.qv>\r\n"));
}

void TestSmtpMessage::bodyLinesEndInCrLfWithPointsDoubled_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QByteArray>("wire");
    QTest::newRow("line feeds") << QStringLiteral("a\nb\n") << QByteArray("a\r\nb\r\n");
    QTest::newRow("crlf kept") << QStringLiteral("a\r\nb") << QByteArray("a\r\nb");
    QTest::newRow("lone cr") << QStringLiteral("a\rb\r\n\r\n") << QByteArray("a\r\nb\r\n\r\n");
    QTest::newRow("lone point") << QStringLiteral("x\n.\ny") << QByteArray("x\r\n..\r\ny");
    QTest::newRow("points at starts only")
        << QStringLiteral(".a.\n..b\r\n c.") << QByteArray("..a.\r\n...b\r\n c.");
    QTest::newRow("code page") << QStringLiteral("é\u00A0€") << QByteArray("\xE9\xA0\x80");
    QTest::newRow("cr before crlf") << QStringLiteral("a\r\r\nb") << QByteArray("a\r\n\r\nb");
    // Every character giving two bytes: the longest wire a text of this length can have.
    QTest::newRow("only points and line ends")
        << QStringLiteral(".\n.\r\r") << QByteArray("..\r\n..\r\n\r\n");
    QTest::newRow("character beyond the plane at a line start")
        << QStringLiteral("\U0001F600\n.\U0001F600") << QByteArray("?\r\n..?");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestSmtpMessage::bodyLinesEndInCrLfWithPointsDoubled() {
    QFETCH(QString, body);
    QFETCH(QByteArray, wire);
    QCOMPARE(wireBody(body), wire);
}

// Greetings and replies in pieces are met by the client tests; these are the reader's own edges.
void TestSmtpMessage::repliesAreReadWhole_data() {
    QTest::addColumn<QByteArrayList>("arrivals");
    QTest::addColumn<QByteArrayList>("codes");
    QTest::newRow("code alone, bare line feed") << QByteArrayList{"354\n"} << QByteArrayList{"354"};
    QTest::newRow("two in one arrival")
        << QByteArrayList{"250 ok\r\n550-no\r\n", "550 no\r\n"} << QByteArrayList{"250", "550"};
    QTest::newRow("no line end yet") << QByteArrayList{"220 siap"} << QByteArrayList{};
    QTest::newRow("line ends in later arrivals")
        << QByteArrayList{"220 a", "\r", "\n250", "-b\r\n25", "0 c\r\n221 d\r\n"}
        << QByteArrayList{"220", "250", "221"};
    QByteArrayList oneByteEach;
    for (const char byte : QByteArray("250-a\r\n250 b\r\n354 c\n221 d\r\n"))
        oneByteEach.append(QByteArray(1, byte));
    QTest::newRow("byte by byte") << oneByteEach << QByteArrayList{"250", "354", "221"};
    // A server that never ends its reply gets a reply with no code, which fails the wait.
    QTest::newRow("endless line") << QByteArrayList{QByteArray(
                                         SmtpReplyReader::maximumReplySize + 1, '2')}
                                  << QByteArrayList{""};
    QTest::newRow("endless continuation")
        << QByteArrayList{(QByteArray("250-") + QByteArray(1000, 'x') + "\r\n").repeated(70)}
        << QByteArrayList{""};
    // The limit counts the reply's lines, however the arrivals are cut.
    const QByteArray atLimit = (QByteArray("250-") + QByteArray(996, 'x') + "\r\n").repeated(65) +
                               "250 " + QByteArray(532, 'x');
    QTest::newRow("at the limit, CR and LF apart")
        << QByteArrayList{atLimit + "\r", "\n"} << QByteArrayList{"250"};
    QTest::newRow("over the limit in one arrival")
        << QByteArrayList{atLimit + "y\r\n"} << QByteArrayList{""};
}

void TestSmtpMessage::repliesAreReadWhole() {
    QFETCH(QByteArrayList, arrivals);
    QFETCH(QByteArrayList, codes);
    SmtpReplyReader reader;
    QByteArrayList taken;
    for (const QByteArray &arrival : arrivals) {
        reader.feed(arrival);
        while (std::optional<SmtpReply> reply = reader.take())
            taken.append(reply->code);
    }
    QCOMPARE(taken, codes);
}

QTEST_APPLESS_MAIN(TestSmtpMessage)
#include "tst_smtp_message.moc"
