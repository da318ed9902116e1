// The SMTP session without a window: what a real server (aiosmtpd) receives byte for byte,
// plain and through a provider with TLS and a login; how every misbehaving server ends; the
// TLS paths an attacker in the middle would try; and the login kept out of the log.
#include "mail/smtp_dialogue.h"
#include "mail/smtp_secret.h"
#include "mail/smtp_session.h"
#include "support/fake_smtp_server.h"
#include "support/smtp_test_server.h"
#include "support/test_certificates.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QtTest>

using namespace std::chrono_literals;

using Replies = QMap<QByteArray, QByteArrayList>;

namespace {

constexpr auto testTimeout = 1500ms; // said as 2 seconds

// A complete document as the wizard leaves it, with a description whose lines start with
// points, a no-break space and an accented letter.
const QByteArray document = "\r\n"
                            "ZCZC RDVUMUM $Revision 3.1 $ Baris INI JANGAN DIHAPUS !!!!!!!!\r\n" +
                            QByteArray(71, '-') +
                            "\r\n\r\n"
                            "1. Informasi Domain\r\n"
                            "1a. Status..............: BARU\r\n"
                            "1b. Nama Domain.........: pelabuhan.yayasan.qv\r\n"
                            ".\r\n"
                            "..titik dua\r\n"
                            "warga\xA0pesisir \xE9\r\n"
                            "\r\n"
                            "NNNN RDVUMUM $Revision 3.1 $ Baris INI JANGAN DIHAPUS !!!!!\r\n"
                            "\r\n";

const QString user = QStringLiteral("rina@pelabuhan.qv");
const QString password = QStringLiteral("Kunci-7rahasia");

MailFields mailOf(const QByteArray &name = "Rina Wulandari",
                  const QByteArray &subject = "BARU pelabuhan.yayasan.qv") {
    // The document holds no byte that Windows-1252 and Latin-1 read differently.
    return {QString::fromLatin1(name),
            user,
            QString(),
            QStringLiteral("daftar-yayasan@nic.qv"),
            QString::fromLatin1(subject),
            QString::fromLatin1(document)};
}

// Everything Qt and we print while a test runs, to look for the password in.
QStringList printed;
void keepPrinted(QtMsgType, const QMessageLogContext &, const QString &message) {
    printed.append(message);
}

// The message without its Date line, which differs from send to send.
QByteArray undated(QByteArray message) {
    const qsizetype start = message.indexOf("\r\nDate: ");
    return message.remove(start, message.indexOf("\r\n", start + 2) - start);
}

// One send through a session, to its end. A login asked for is answered with `answer`, or
// given up when the answer is empty.
struct Send {
    explicit Send(SmtpSettings settings) : session(std::move(settings)) {
        QObject::connect(&session, &SmtpSession::statusChanged, &session,
                         [this](const QString &text) { statuses.append(text); });
        QObject::connect(&session, &SmtpSession::loginRequired, &session,
                         [this](const QString &, const QString &name) {
                             loginAsked = name;
                             if (answer.isEmpty())
                                 session.loginCancelled();
                             else
                                 session.logIn(name, answer);
                         });
    }
    // Starts the send and waits for its end; false when it never ends or cannot start.
    bool run(const QString &server, const MailFields &mail = mailOf()) {
        QSignalSpy finished(&session, &SmtpSession::finished);
        refusal = session.SendEmail(server, mail);
        if (refusal || !finished.wait(10000))
            return false;
        completed = finished.first().at(0).toBool();
        reason = finished.first().at(1).toString();
        return finished.size() == 1 && session.idle();
    }

    SmtpSession session;
    QString answer;
    QStringList statuses;
    QString loginAsked;
    std::optional<QString> refusal;
    bool completed = false;
    QString reason;
};

SmtpSettings on(quint16 port) {
    SmtpSettings settings;
    settings.ports.plain = port;
    settings.replyTimeout = testTimeout;
    return settings;
}

} // namespace

class TestSmtpSession : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void messageArrivesByteForByte_data();
    void messageArrivesByteForByte();
    void misbehavingServers_data();
    void misbehavingServers();
    void secondSendDuringASendLeavesItAlone();
    void serverTextDecidesTheWay();
    void offeredExtensions();
    void throughAProvider_data();
    void throughAProvider();
    void startTlsInTheMiddle_data();
    void startTlsInTheMiddle();
    void cannotStartOrConnect_data();
    void cannotStartOrConnect();
    void loginIsWipedAndNeverLogged();

private:
    TestCertificates certificates;
    SmtpTestServer aiosmtpd;
};

void TestSmtpSession::initTestCase() {
    QString reason;
    QVERIFY2(aiosmtpd.start(&reason), qPrintable(reason));
    QVERIFY2(certificates.make(&reason), qPrintable(reason));
    QVERIFY(QSslSocket::supportsSsl());
}

void TestSmtpSession::init() {
    printed.clear();
    qInstallMessageHandler(keepPrinted);
}

void TestSmtpSession::cleanup() {
    qInstallMessageHandler(nullptr);
    // Nothing printed holds the password, in clear or as the server reads it.
    const QString log = printed.join(u'\n');
    QVERIFY2(!log.contains(password), qPrintable(log));
    QVERIFY2(!log.contains(QString::fromLatin1(password.toUtf8().toBase64())), qPrintable(log));
    QVERIFY2(!log.contains(
                 QString::fromLatin1(('\0' + user.toUtf8() + '\0' + password.toUtf8()).toBase64())),
             qPrintable(log));
}

void TestSmtpSession::messageArrivesByteForByte_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("subject");
    QTest::addColumn<QByteArray>("fromLine");
    QTest::addColumn<QByteArray>("subjectLine");
    // A plain ASCII name and subject arrive byte for byte in the whole run.
    QTest::newRow("accented") << QByteArray("S\xE9gol\xE8ne \xC4rzt")
                              << QByteArray("UBAH s\xE9kolah.qv")
                              << QByteArray("From: =?windows-1252?Q?S=E9gol=E8ne_=C4rzt?= "
                                            "<rina@pelabuhan.qv>")
                              << QByteArray("Subject: =?windows-1252?Q?UBAH_s=E9kolah=2Eqv?=");
    QTest::newRow("header injection")
        << QByteArray("x\r\nBcc: korban@contoh.qv") << QByteArray("BARU\r\nBcc: korban@contoh.qv")
        << QByteArray("From: \"x Bcc: korban@contoh.qv\" <rina@pelabuhan.qv>")
        << QByteArray("Subject: BARU Bcc: korban@contoh.qv");
}

void TestSmtpSession::messageArrivesByteForByte() {
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, subject);
    QFETCH(QByteArray, fromLine);
    QFETCH(QByteArray, subjectLine);
    Send send(on(aiosmtpd.port()));
    const int before = int(aiosmtpd.received().size());
    for (int time = 1; time <= 2; ++time) { // the same session sends again
        QVERIFY(send.run("127.0.0.1", mailOf(name, subject)));
        QVERIFY(send.completed && send.reason.isEmpty());
    }
    QCOMPARE(send.statuses.mid(0, 4),
             QStringList({"Connecting....", "Connected", "Sending Message", "Disconnecting"}));

    const QList<ReceivedMail> mails = aiosmtpd.received();
    QCOMPARE(mails.size(), before + 2);
    const ReceivedMail &mail = mails.last();
    QCOMPARE(mail.greetingName, QByteArray("jov-mailer"));
    QCOMPARE(mail.mailFrom, QByteArray("rina@pelabuhan.qv"));
    QCOMPARE(mail.recipients, QByteArrayList{"daftar-yayasan@nic.qv"});

    // The date is the moment of sending; its form and the machine's offset are checked here.
    static const QRegularExpression dateLine(QStringLiteral(
        R"(\r\nDate: (Mon|Tue|Wed|Thu|Fri|Sat|Sun), \d\d (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|)"
        R"(Oct|Nov|Dec) \d{4} \d\d:\d\d:\d\d ([+-]\d{4})\r\n)"));
    QString message = QString::fromLatin1(mail.message);
    const QRegularExpressionMatch date = dateLine.match(message);
    QVERIFY2(date.hasMatch(), mail.message.left(300).constData());
    const int offset = QDateTime::currentDateTime().offsetFromUtc() / 60;
    QCOMPARE(date.captured(3), QString::asprintf("%c%02d%02d", offset < 0 ? '-' : '+',
                                                 std::abs(offset) / 60, std::abs(offset) % 60));
    message.replace(date.capturedStart(), date.capturedLength(),
                    QStringLiteral("\r\nDate: (sent)\r\n"));

    const QByteArray expected = fromLine +
                                "\r\nDate: (sent)\r\n"
                                "X-Mailer: JOV-MAILER v 1.0 -- Used in VELD KAVRO v 1.03 --\r\n"
                                "To: <daftar-yayasan@nic.qv>\r\n" +
                                subjectLine +
                                "\r\n"
                                "MIME-Version: 1.0\r\n"
                                "Content-Type: text/plain; charset=windows-1252\r\n"
                                "Content-Transfer-Encoding: 8bit\r\n"
                                "\r\n" +
                                document + "\r\n\r\n";
    QCOMPARE(message.toLatin1().split('\n'), expected.split('\n'));
}

void TestSmtpSession::misbehavingServers_data() {
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArrayList>("reply");
    QTest::addColumn<bool>("completes");
    QTest::addColumn<bool>("afterTimeout");
    QTest::addColumn<QByteArray>("neverSent");
    QTest::addColumn<QString>("reason"); // why it failed, when it fails

    const QString unreadable = QStringLiteral("Jawaban server tidak dapat dibaca.");
    QTest::newRow("multi-line greeting")
        << QByteArray("") << QByteArrayList{"220-uji.qv\r\n220-selamat datang\r\n", "220 siap\r\n"}
        << true << false << QByteArray() << QString();
    QTest::newRow("reply split in its code")
        << QByteArray("helo") << QByteArrayList{"2", "50 halo\r\n"} << true << false << QByteArray()
        << QString();
    QTest::newRow("recipient refused")
        << QByteArray("rcpt") << QByteArrayList{"550 5.1.1 tidak dikenal\r\n"} << false << false
        << QByteArray("data") << QStringLiteral("Server menjawab: 550 5.1.1 tidak dikenal");
    QTest::newRow("refused greeting")
        << QByteArray("") << QByteArrayList{"554 pergi\r\n"} << false << false << QByteArray("HELO")
        << QStringLiteral("Server menjawab: 554 pergi");
    QTest::newRow("silence after connect")
        << QByteArray("") << QByteArrayList{} << false << true << QByteArray("HELO")
        << QStringLiteral("Server tidak menjawab dalam 2 detik.");
    // Junk is no reply, whether or not a line end follows it, and is never quoted.
    QTest::newRow("binary junk for a greeting")
        << QByteArray("") << QByteArrayList{QByteArray("\0\xFF\xC3(\x9B \x1B[31m \xE2\x82\r\n", 16)}
        << false << false << QByteArray("HELO") << unreadable;
    QTest::newRow("junk without a line end") << QByteArray("") << QByteArrayList{"SSH-2.0-uji"}
                                             << false << false << QByteArray("HELO") << unreadable;
    QTest::newRow("code without its blank")
        << QByteArray("helo") << QByteArrayList{"250halo\r\n"} << false << false
        << QByteArray("mail from") << unreadable;
    QTest::newRow("junk inside a multi-line reply")
        << QByteArray("helo") << QByteArrayList{"250-halo\r\nlanjut\r\n250 ok\r\n"} << false
        << false << QByteArray("mail from") << unreadable;
    QTest::newRow("text after the code in another script")
        << QByteArray("helo") << QByteArrayList{"250 h\xC3\xA4lo \xE2\x9C\x93\r\n"} << true << false
        << QByteArray() << QString();
    QTest::newRow("closed during data")
        << QByteArray(".") << QByteArrayList{"<close>"} << false << false << QByteArray("quit")
        << QStringLiteral("Server memutuskan sambungan.");
    // Once the point is answered with 250 the form is delivered: QUIT cannot undo that.
    QTest::newRow("closed right after taking the message")
        << QByteArray(".") << QByteArrayList{"250 diterima\r\n", "<close>"} << true << false
        << QByteArray() << QString();
    QTest::newRow("QUIT refused") << QByteArray("quit") << QByteArrayList{"500 tidak dikenal\r\n"}
                                  << true << false << QByteArray() << QString();
    QTest::newRow("closed at QUIT") << QByteArray("quit") << QByteArrayList{"<close>"} << true
                                    << false << QByteArray() << QString();
    QTest::newRow("silent after QUIT")
        << QByteArray("quit") << QByteArrayList{} << true << true << QByteArray() << QString();
}

void TestSmtpSession::misbehavingServers() {
    QFETCH(QByteArray, command);
    QFETCH(QByteArrayList, reply);
    QFETCH(bool, completes);
    QFETCH(bool, afterTimeout);
    QFETCH(QByteArray, neverSent);
    QFETCH(QString, reason);
    FakeSmtpServer server;
    server.replies[command] = reply;
    // After the data only the row's reply speaks: QUIT gets no answer of its own.
    if (command == ".")
        server.replies["quit"] = {};

    QElapsedTimer clock;
    clock.start();
    Send send(on(server.port()));
    QVERIFY(send.run("127.0.0.1"));
    QCOMPARE(send.completed, completes);
    QCOMPARE(send.reason, reason);
    if (!neverSent.isEmpty())
        QVERIFY2(!server.received.contains(neverSent), server.received.constData());
    QTRY_VERIFY(!server.clientConnected());
    if (completes) {
        QVERIFY2(server.received.startsWith("HELO jov-mailer\r\n"
                                            "mail from:<rina@pelabuhan.qv>\r\n"
                                            "rcpt to:<daftar-yayasan@nic.qv>\r\n"
                                            "data\r\n"
                                            "From: Rina Wulandari <rina@pelabuhan.qv>\r\n"),
                 server.received.left(200).constData());
        // The document's own last line end, two more, then the point.
        QVERIFY(server.received.endsWith("!!!!!\r\n\r\n\r\n\r\n.\r\nquit\r\n"));
    }
    // Silence waits out the time-out; anything else ends the wait as it happens.
    if (afterTimeout)
        QVERIFY(clock.elapsed() >= std::chrono::milliseconds(testTimeout).count());
    else
        QVERIFY(clock.elapsed() < std::chrono::milliseconds(testTimeout).count());
}

void TestSmtpSession::secondSendDuringASendLeavesItAlone() {
    FakeSmtpServer server;
    server.replies["helo"] = {"250-halo\r\n", "250-sebentar\r\n", "250-lagi\r\n", "250 ok\r\n"};
    SmtpSession session(on(server.port()));
    QSignalSpy finished(&session, &SmtpSession::finished);
    QVERIFY(!session.SendEmail("127.0.0.1", mailOf()));
    QTRY_VERIFY(server.received.startsWith("HELO"));
    QCOMPARE(session.SendEmail("127.0.0.1", mailOf()),
             std::optional<QString>(QStringLiteral("Pengiriman sebelumnya masih berjalan.")));
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().first().toBool(), true);
    QCOMPARE(server.connections, 1);
}

// Ports 587 and 465 and bracketed IPv6 are walked through a real server below.
void TestSmtpSession::serverTextDecidesTheWay() {
    const SmtpPorts ports{2500, 2587, 2465};
    const struct {
        const char *typed, *host;
        int port;
    } plainWays[] = {{"smtp.contoh.qv:25", "smtp.contoh.qv", 25},
                     {"10.1.2.3:2525", "10.1.2.3", 2525},
                     {"[2001:db8::5]", "2001:db8::5", 2500},
                     {"2001:db8::5", "2001:db8::5", 2500}}; // bare IPv6: no port
    QString problem;
    for (const auto &row : plainWays) {
        const std::optional<SmtpServerAddress> address =
            parseSmtpServer(row.typed, ports, &problem);
        QVERIFY2(address && address->security == SmtpSecurity::None, row.typed);
        QCOMPARE(address->host, QString::fromLatin1(row.host));
        QCOMPARE(int(address->port), row.port);
    }
    QVERIFY(problem.isEmpty());
    for (const char *bad :
         {"smtp.contoh.qv:", "smtp.contoh.qv:0", "smtp.contoh.qv:25a", "smtp.contoh.qv: 587",
          "smtp.contoh.qv:4294967883", "[::1", "[::1]587"}) {
        QVERIFY2(!parseSmtpServer(bad, ports, &problem) && !problem.isEmpty(), bad);
        problem.clear();
    }
}

void TestSmtpSession::offeredExtensions() {
    SmtpDialogue dialogue(MailFields{}, QDateTime::currentDateTime(), SmtpSecurity::StartTls);
    while (!dialogue.next()->send.startsWith("EHLO ")) {
    }
    // The older way of writing AUTH, in lower case; STARTTLS in the greeting line is no offer.
    dialogue.replied(SmtpReply{"250", {"250-uji.qv STARTTLS", "250 auth=cram-md5 login"}});
    QVERIFY(!dialogue.offers("STARTTLS"));
    QCOMPARE(dialogue.loginMechanism(), QByteArray("LOGIN"));
}

void TestSmtpSession::throughAProvider_data() {
    QTest::addColumn<SmtpTlsOptions::Mode>("mode");
    QTest::addColumn<TestCertificates::Server>("certificate");
    QTest::addColumn<bool>("trustOurAuthority");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("answer"); // to the login; null: it must not be asked for
    QTest::addColumn<QByteArrayList>("commands");
    QTest::addColumn<QString>("reason"); // why it failed; null: it completes

    const auto startTls = SmtpTlsOptions::StartTls;
    const auto loopback = TestCertificates::Loopback;
    const QByteArrayList sent{"mail from:<rina@pelabuhan.qv>", "rcpt to:<daftar-yayasan@nic.qv>",
                              "data", "quit"};
    const QByteArrayList overTls{"EHLO jov-mailer", "STARTTLS", "EHLO jov-mailer"};
    const QByteArrayList plainLogin = overTls + QByteArrayList{"AUTH PLAIN ********"};
    QTest::newRow("submission") << startTls << loopback << true << "localhost:587" << password
                                << plainLogin + sent << QString();
    QTest::newRow("IPv6 submission") << startTls << loopback << true << "[::1]:587" << password
                                     << plainLogin + sent << QString();
    QTest::newRow("TLS from the first byte")
        << SmtpTlsOptions::Implicit << loopback << true << "localhost:465" << password
        << QByteArrayList{"EHLO jov-mailer", "AUTH LOGIN"} + sent << QString();
    QTest::newRow("wrong password")
        << startTls << loopback << true << "localhost:587" << password + "-salah" << plainLogin
        << "Server menjawab: 535 5.7.8 Authentication credentials invalid";
    QTest::newRow("login given up")
        << startTls << loopback << true << "localhost:587" << QString("") << overTls << QString("");

    const QString untrusted = QStringLiteral("Sertifikat server tidak dapat dipercaya: ");
    QTest::newRow("another host's certificate")
        << startTls << TestCertificates::OtherHost << true << "localhost:587" << QString()
        << overTls.mid(0, 2) << untrusted + "sertifikat itu untuk nama server lain.";
    QTest::newRow("self-signed") << startTls << TestCertificates::SelfSigned << true
                                 << "localhost:587" << QString() << overTls.mid(0, 2)
                                 << untrusted + "sertifikat dibuat sendiri oleh server.";
    // The system's authorities alone do not know ours: nothing trusts it by the way.
    QTest::newRow("authority unknown to the system")
        << startTls << loopback << false << "localhost:587" << QString() << overTls.mid(0, 2)
        << untrusted + "penerbit sertifikat tidak dikenal.";
    QTest::newRow("self-signed, TLS from the first byte")
        << SmtpTlsOptions::Implicit << TestCertificates::SelfSigned << true << "localhost:465"
        << QString() << QByteArrayList() << untrusted + "sertifikat dibuat sendiri oleh server.";
}

void TestSmtpSession::throughAProvider() {
    QFETCH(SmtpTlsOptions::Mode, mode);
    QFETCH(TestCertificates::Server, certificate);
    QFETCH(bool, trustOurAuthority);
    QFETCH(QString, typed);
    QFETCH(QString, answer);
    QFETCH(QString, reason);
    const SmtpTlsOptions options{mode,
                                 certificates.certificateFile(certificate),
                                 certificates.keyFile(certificate),
                                 user,
                                 password,
                                 typed.startsWith(u'[') ? "::1" : "127.0.0.1"};
    SmtpTestServer provider;
    QString why;
    QVERIFY2(provider.startTls(options, &why), qPrintable(why));
    SmtpSettings settings = on(aiosmtpd.port());
    settings.ports.submission = settings.ports.implicitTls = provider.port();
    if (trustOurAuthority)
        settings.extraAuthorities = {certificates.authority()};

    const bool completes = reason.isNull();
    Send send(settings);
    if (completes) // the same message through the plain server, to compare with
        QVERIFY(send.run("127.0.0.1") && send.completed);
    send.answer = answer;
    QVERIFY(send.run(typed));
    QCOMPARE(send.completed, completes);
    QCOMPARE(send.reason, completes ? QString() : reason);
    QCOMPARE(send.loginAsked, answer.isNull() ? QString() : user);
    QTest::qWait(100); // anything sent after the end would reach the server by now
    QTEST(provider.commands(), "commands");
    QCOMPARE(provider.received().size(), completes ? 1 : 0);
    if (completes) // TLS changes no byte of the message
        QCOMPARE(undated(provider.received().first().message),
                 undated(aiosmtpd.received().last().message));
}

void TestSmtpSession::startTlsInTheMiddle_data() {
    QTest::addColumn<Replies>("replies");
    QTest::addColumn<QString>("reason");     // why it failed; null: it completes
    QTest::addColumn<QByteArray>("inClear"); // all the client said before TLS

    const QByteArray greeting = "EHLO jov-mailer\r\nSTARTTLS\r\n";
    // A reply slipped in behind the go-ahead, in the same packet, is no reply over TLS.
    QTest::newRow("plain bytes after the go-ahead")
        << Replies{{"starttls", {"220 Ready to start TLS\r\n554 5.7.0 disisipkan\r\n", "<tls>"}}}
        << QString() << greeting;
    // What the server offered in clear says nothing of what it offers over TLS.
    QTest::newRow("login offered only before TLS")
        << QMap<QByteArray,
                QByteArrayList>{{"ehlo",
                                 {"250-uji.qv\r\n250-AUTH PLAIN LOGIN\r\n250 STARTTLS\r\n"}},
                                {"tls:ehlo", {"250 uji.qv\r\n"}}}
        << QString() << greeting;
    QTest::newRow("STARTTLS refused")
        << Replies{{"starttls", {"454 4.7.0 TLS tidak tersedia\r\n"}}}
        << QStringLiteral("Server menjawab: 454 4.7.0 TLS tidak tersedia") << greeting;
}

void TestSmtpSession::startTlsInTheMiddle() {
    QFETCH(QString, reason);
    FakeSmtpServer server;
    server.certificate = certificates.certificate(TestCertificates::Loopback);
    server.key = certificates.key(TestCertificates::Loopback);
    QFETCH(Replies, replies);
    for (auto it = replies.begin(); it != replies.end(); ++it)
        server.replies[it.key()] = it.value();
    SmtpSettings settings = on(0);
    settings.ports.submission = server.port();
    settings.extraAuthorities = {certificates.authority()};

    Send send(settings);
    send.answer = password;
    QVERIFY(send.run("127.0.0.1:587"));
    QCOMPARE(send.completed, reason.isNull());
    QCOMPARE(send.reason, reason.isNull() ? QString() : reason);
    QCOMPARE(send.loginAsked, QString());
    QTRY_VERIFY(!server.clientConnected());
    QTEST(server.receivedInClear, "inClear");
    QVERIFY(!server.received.contains("AUTH"));
    if (reason.isNull()) // over TLS: the whole dialogue
        QVERIFY(server.received.endsWith("!!!!!\r\n\r\n\r\n\r\n.\r\nquit\r\n"));
}

void TestSmtpSession::cannotStartOrConnect_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("refused"); // before anything is sent
    // A login offered in plain text is no reason to send one.
    QTest::newRow("submission without STARTTLS")
        << "127.0.0.1:587"
        << "Server tidak menawarkan STARTTLS, jadi formulir tidak dikirim tanpa enkripsi." << false;
    QTest::newRow("port out of range")
        << "127.0.0.1:65536"
        << "Port server SMTP harus angka 1 sampai 65535, bukan \"65536\"." << true;
    QTcpServer probe; // a port that refuses, once the probe is gone
    probe.listen(QHostAddress::LocalHost);
    const quint16 closed = probe.serverPort();
    probe.close();
    QTest::newRow("connection refused")
        << QStringLiteral("127.0.0.1:%1").arg(closed)
        << QStringLiteral("Server menolak sambungan ke port %1.").arg(closed) << false;
    QTest::newRow("no server") << ""
                               << "Nama server SMTP belum diisi." << false;
}

void TestSmtpSession::cannotStartOrConnect() {
    QFETCH(QString, reason);
    QFETCH(bool, refused);
    FakeSmtpServer server;
    server.replies["ehlo"] = {"250-uji.qv\r\n250-AUTH PLAIN LOGIN\r\n250 8BITMIME\r\n"};
    SmtpSettings settings = on(server.port());
    settings.ports.submission = server.port();
    Send send(settings);
    send.answer = password;
    QFETCH(QString, typed);
    QCOMPARE(send.run(typed), !refused);
    QCOMPARE(refused ? send.refusal.value_or(QString()) : send.reason, reason);
    QVERIFY(!send.completed);
    QVERIFY(send.loginAsked.isNull());
    QVERIFY(send.session.idle());
    if (typed.endsWith(":587"))
        QCOMPARE(server.received, QByteArray("EHLO jov-mailer\r\n"));
}

void TestSmtpSession::loginIsWipedAndNeverLogged() {
    // A copy of the login's bytes that shares its buffer is wiped with it.
    QByteArray line = SmtpSecret(user, password).plainLine();
    QCOMPARE(line,
             "AUTH PLAIN " + ('\0' + user.toUtf8() + '\0' + password.toUtf8()).toBase64() + "\r\n");
    const QByteArray shared = line;
    wipe(line);
    QCOMPARE(shared, QByteArray(line.size(), '\0'));
    QString typed = password + u'é';
    const QString sharedText = typed;
    wipe(typed);
    QCOMPARE(sharedText, QString(typed.size(), QChar()));

    // A whole login with the transcript on: every command and reply, the login masked.
    QLoggingCategory::setFilterRules(QStringLiteral("veld.smtp.debug=true"));
    const SmtpTlsOptions options{SmtpTlsOptions::StartTls,
                                 certificates.certificateFile(TestCertificates::Loopback),
                                 certificates.keyFile(TestCertificates::Loopback), user, password};
    SmtpTestServer provider;
    QString why;
    QVERIFY2(provider.startTls(options, &why), qPrintable(why));
    SmtpSettings settings = on(0);
    settings.ports.submission = provider.port();
    settings.extraAuthorities = {certificates.authority()};
    Send send(settings);
    send.answer = password;
    QVERIFY(send.run("localhost:587") && send.completed);
    QLoggingCategory::setFilterRules(QString());
    const QString log = printed.join(u'\n');
    for (const char *expected : {"C: STARTTLS", "C: AUTH PLAIN ****", "S: \"235 ", "C: quit"})
        QVERIFY2(log.contains(QLatin1String(expected)), qPrintable(log));
    // The password's absence is checked after every test.
}

QTEST_MAIN(TestSmtpSession)
#include "tst_smtp_session.moc"
