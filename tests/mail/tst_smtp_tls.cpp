// Sending through a mail provider: how the server text decides the way, submission with
// STARTTLS and TLS from the first byte against a real server with a required login,
// certificates that fail, and the line the error dialog adds to say what went wrong.
#include "mail/send_page.h"
#include "mail/smtp_dialogue.h"
#include "mail/smtp_error_dialog.h"
#include "mail/smtp_login_dialog.h"
#include "support/fake_smtp_server.h"
#include "support/gui_fixture.h"
#include "support/smtp_test_server.h"
#include "support/test_certificates.h"
#include "ui/skin_button.h"
#include "ui/skin_label.h"

#include <QTcpServer>
#include <QtTest>

using namespace std::chrono_literals;

namespace {

const QString user = QStringLiteral("rina@pelabuhan.qv");
const QString password = QStringLiteral("Kunci-7rahasia");

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

} // namespace

class TestSmtpTls : public GuiTest {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void serverTextDecidesTheWay();
    void offeredExtensions();
    void throughAProvider_data();
    void throughAProvider();
    void errorDialogSaysWhatWentWrong_data();
    void errorDialogSaysWhatWentWrong();

private:
    TestCertificates certificates;
    SmtpTestServer plain;
    frmMail *page = nullptr;
};

void TestSmtpTls::initTestCase() {
    QString reason;
    QVERIFY2(certificates.make(&reason), qPrintable(reason));
    QVERIFY2(plain.start(&reason), qPrintable(reason));
    QVERIFY(QSslSocket::supportsSsl());
}

void TestSmtpTls::init() {
    printed.clear();
    qInstallMessageHandler(keepPrinted);
    GuiTest::init();
    work().write("DAT.JOV", "\r\n1a. Status..............: BARU\r\n.\r\nwarga\xA0pesisir\r\n\r\n");
    work().write("DATM1.JOV", "BARU pelabuhan.yayasan.qv");
    work().write("DATM2.JOV", "daftar-yayasan@nic.qv");
    work().write("DATM3.JOV", user.toLatin1());
    work().write("DATM4.JOV", "Rina W\xE9landari");
    page = window<frmMail>();
    page->setReplyTimeout(1500ms);
    page->Show();
    QVERIFY(waitUntilActive(page));
}

void TestSmtpTls::cleanup() {
    // Nothing the program wrote or printed holds the password.
    for (const QString &name : QDir(work().path()).entryList(QDir::Files))
        QVERIFY2(!work().read(name).contains(password.toLatin1()), qPrintable(name));
    GuiTest::cleanup();
    qInstallMessageHandler(nullptr);
    QVERIFY2(!printed.join(u'\n').contains(password), qPrintable(printed.join(u'\n')));
}

// Ports 587 and 465 and bracketed IPv6 are walked through a real server below.
void TestSmtpTls::serverTextDecidesTheWay() {
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

void TestSmtpTls::offeredExtensions() {
    SmtpDialogue dialogue(MailFields{}, QDateTime::currentDateTime(), SmtpSecurity::StartTls);
    while (!dialogue.next()->send.startsWith("EHLO ")) {
    }
    // The older way of writing AUTH, in lower case; STARTTLS in the greeting line is no offer.
    dialogue.replied(SmtpReply{"250", {"250-uji.qv STARTTLS", "250 auth=cram-md5 login"}});
    QVERIFY(!dialogue.offers("STARTTLS"));
    QCOMPARE(dialogue.loginMechanism(), QByteArray("LOGIN"));
}

void TestSmtpTls::throughAProvider_data() {
    QTest::addColumn<SmtpTlsOptions::Mode>("mode");
    QTest::addColumn<TestCertificates::Server>("certificate");
    QTest::addColumn<bool>("trustOurAuthority");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("answer"); // to the login dialog; null: it must not open
    QTest::addColumn<QByteArrayList>("commands");
    QTest::addColumn<QString>("detail"); // under the error dialog's text; null: no dialog

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
    QTest::newRow("Batal") << startTls << loopback << true << "localhost:587" << QString("")
                           << overTls << QString(); // the applicant's choice: nothing to report

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

void TestSmtpTls::throughAProvider() {
    QFETCH(SmtpTlsOptions::Mode, mode);
    QFETCH(TestCertificates::Server, certificate);
    QFETCH(QString, typed);
    QFETCH(QString, answer);
    QFETCH(QString, detail);
    QFETCH(bool, trustOurAuthority);
    const SmtpTlsOptions options{mode,
                                 certificates.certificateFile(certificate),
                                 certificates.keyFile(certificate),
                                 user,
                                 password,
                                 typed.startsWith(u'[') ? "::1" : "127.0.0.1"};
    SmtpTestServer provider;
    QString reason;
    QVERIFY2(provider.startTls(options, &reason), qPrintable(reason));
    page->setSubmissionPorts(provider.port(), provider.port());
    if (trustOurAuthority)
        page->addTrustedAuthorities({certificates.authority()});

    const bool completes = !answer.isEmpty() && detail.isNull();
    if (completes) { // the same page through the plain server, to compare with
        bool completed = false;
        page->setServerPort(plain.port());
        field(page, "txtEmailServer")->setText(QStringLiteral("127.0.0.1"));
        QVERIFY(sendAndWait(page, &completed) && completed);
    }

    field(page, "txtEmailServer")->setText(typed);
    QSignalSpy finished(page, &frmMail::sendFinished);
    button(page, "SkinButton1")->click();
    if (!answer.isNull()) {
        QTRY_VERIFY_WITH_TIMEOUT(loaded<SmtpLoginDialog>(), 10000);
        SmtpLoginDialog *dialog = window<SmtpLoginDialog>();
        QVERIFY(waitUntilActive(dialog));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Login SMTP"));
        QCOMPARE(dialog->parentWidget(), page);
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        QCOMPARE(field(dialog, "Text1")->text(), user);
        QCOMPARE(field(dialog, "Text2")->echoMode(), QLineEdit::Password);
        // By keyboard alone: the password field has the focus, Enter logs in, Escape gives up.
        QTRY_COMPARE(QApplication::focusWidget(), field(dialog, "Text2"));
        QTest::keyClicks(field(dialog, "Text2"), answer);
        QTest::keyClick(field(dialog, "Text2"), answer.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
    }
    QVERIFY(!finished.isEmpty() || finished.wait(10000));
    QCOMPARE(finished.first().first().toBool(), completes);
    QVERIFY(!loaded<SmtpLoginDialog>());
    QCOMPARE(page->Winsock1->state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(loaded<Form1>(), !detail.isNull());
    if (!detail.isNull())
        QCOMPARE(control<SkinLabel>(window<Form1>(), "SkinLabel2")->text(), detail);
    QTest::qWait(100); // anything sent after the failure would reach the server by now
    QTEST(provider.commands(), "commands");
    QCOMPARE(provider.received().size(), completes ? 1 : 0);
    if (completes) // TLS changes no byte of the message
        QCOMPARE(undated(provider.received().first().message),
                 undated(plain.received().last().message));
}

void TestSmtpTls::errorDialogSaysWhatWentWrong_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArrayList>("reply");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QByteArray>("sent"); // all the server got; null: not checked

    // A refused command's reply under the text is the client tests' ("recipient refused").
    // Line ends, escapes and a direction override from the server are not shown; a long
    // reply is cut.
    QTest::newRow("long reply with control characters")
        << "127.0.0.1" << QByteArray("helo")
        << QByteArrayList{"554-5.7.1 ditolak\x1b[31m\r\n",
                          "554 \xE2\x80\xAEkiri " + QByteArray(300, 'x') + "\r\n"}
        << QStringLiteral("Server menjawab: 554 5.7.1 ditolak [31m kiri ") +
               QString(Form1::longestDetail - 46, u'x') + QChar(0x2026)
        << QByteArray();
    // A login offered in plain text is no reason to send one.
    QTest::newRow("submission without STARTTLS")
        << "127.0.0.1:587" << QByteArray("ehlo")
        << QByteArrayList{"250-uji.qv\r\n250-AUTH PLAIN LOGIN\r\n250 8BITMIME\r\n"}
        << "Server tidak menawarkan STARTTLS, jadi formulir tidak dikirim tanpa enkripsi."
        << QByteArray("EHLO jov-mailer\r\n");
    QTest::newRow("port out of range")
        << "127.0.0.1:65536" << QByteArray() << QByteArrayList{}
        << "Port server SMTP harus angka 1 sampai 65535, bukan \"65536\"." << QByteArray("");
    QTcpServer probe; // a port that refuses, once the probe is gone
    probe.listen(QHostAddress::LocalHost);
    const quint16 closed = probe.serverPort();
    probe.close();
    QTest::newRow("connection refused")
        << QStringLiteral("127.0.0.1:%1").arg(closed) << QByteArray() << QByteArrayList{}
        << QStringLiteral("Server menolak sambungan ke port %1.").arg(closed) << QByteArray();
}

void TestSmtpTls::errorDialogSaysWhatWentWrong() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, command);
    QFETCH(QByteArrayList, reply);
    QFETCH(QByteArray, sent);
    FakeSmtpServer server;
    if (!command.isNull())
        server.replies[command] = reply;
    page->setServerPort(server.port());
    page->setSubmissionPorts(server.port(), 0);
    field(page, "txtEmailServer")->setText(typed);
    button(page, "SkinButton1")->click();
    QTRY_VERIFY_WITH_TIMEOUT(loaded<Form1>() && window<Form1>()->isVisible(), 10000);
    Form1 *dialog = window<Form1>();
    QTEST(control<SkinLabel>(dialog, "SkinLabel2")->text(), "detail");
    // The dialog grows with its line: the button stays below it.
    QVERIFY(button(dialog, "SkinButton1")->geometry().top() >
            control<SkinLabel>(dialog, "SkinLabel2")->geometry().bottom());
    QVERIFY(!loaded<SmtpLoginDialog>());
    if (!sent.isNull())
        QCOMPARE(server.received, sent);
}

QTEST_MAIN(TestSmtpTls)
#include "tst_smtp_tls.moc"
