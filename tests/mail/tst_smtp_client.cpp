// The send page's SMTP client against a real server (aiosmtpd) and against small servers
// that misbehave: what arrives, byte for byte, and how every failure ends.
#include "mail/send_page.h"
#include "mail/smtp_error_dialog.h"
#include "support/fake_smtp_server.h"
#include "support/gui_fixture.h"
#include "support/smtp_test_server.h"
#include "ui/skin_button.h"
#include "ui/skin_label.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace std::chrono_literals;

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
                            "1c. Organisasi..........: Yayasan Pelabuhan Biru\r\n"
                            "1d. Keterangan..........: Kegiatan sosial\r\n"
                            ".\r\n"
                            "..titik dua\r\n"
                            "warga\xA0pesisir \xE9\r\n"
                            "\r\n"
                            "11a. NAMA-PENDAFTAR.....: Rina Wulandari\r\n"
                            "11b. E-MAIL-PENDAFTAR...: rina@pelabuhan.qv\r\n"
                            "\r\n"
                            "NNNN RDVUMUM $Revision 3.1 $ Baris INI JANGAN DIHAPUS !!!!!\r\n"
                            "\r\n";

const QString sentText = QStringLiteral(
    "Formulir sudah terkirim!. Mohon agar *TIDAK* mengirim formulir yang sama berkali-kali.");

} // namespace

class TestSmtpClient : public GuiTest {
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

private:
    void openPageOnWorkFiles(const QByteArray &name, const QByteArray &subject);

    SmtpTestServer aiosmtpd;
    frmMail *page = nullptr;
};

void TestSmtpClient::initTestCase() {
    QString reason;
    QVERIFY2(aiosmtpd.start(&reason), qPrintable(reason));
}

void TestSmtpClient::init() {
    GuiTest::init();
    page = window<frmMail>();
    page->setReplyTimeout(testTimeout);
    field(page, "txtEmailServer")->setText(QStringLiteral("127.0.0.1"));
}

void TestSmtpClient::cleanup() {
    GuiTest::cleanup();
}

// The work files of a finished run, read by the page as it comes up.
void TestSmtpClient::openPageOnWorkFiles(const QByteArray &name, const QByteArray &subject) {
    work().write(QStringLiteral("DAT.JOV"), document);
    work().write(QStringLiteral("DATM1.JOV"), subject);
    work().write(QStringLiteral("DATM2.JOV"), "daftar-yayasan@nic.qv");
    work().write(QStringLiteral("DATM3.JOV"), "rina@pelabuhan.qv");
    work().write(QStringLiteral("DATM4.JOV"), name);
    page->Show();
    QVERIFY(waitUntilActive(page));
}

void TestSmtpClient::messageArrivesByteForByte_data() {
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

void TestSmtpClient::messageArrivesByteForByte() {
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, subject);
    QFETCH(QByteArray, fromLine);
    QFETCH(QByteArray, subjectLine);
    openPageOnWorkFiles(name, subject);
    page->setServerPort(aiosmtpd.port());

    const int before = int(aiosmtpd.received().size());
    bool completed = false;
    for (int send = 1; send <= 2; ++send) { // a second press sends the form again
        QVERIFY(sendAndWait(page, &completed));
        QVERIFY(completed);
        QCOMPARE(control<SkinLabel>(page, "StatusTxt")->text(), sentText);
        QVERIFY(control(page, "Frame1")->isVisible());
        QCOMPARE(page->Winsock1->state(), QAbstractSocket::UnconnectedState);
    }
    QVERIFY(!loaded<Form1>());

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

void TestSmtpClient::misbehavingServers_data() {
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArrayList>("reply");
    QTest::addColumn<bool>("completes");
    QTest::addColumn<bool>("afterTimeout");
    QTest::addColumn<QByteArray>("neverSent");
    QTest::addColumn<QString>("detail"); // under the error dialog's text, when it fails

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

void TestSmtpClient::misbehavingServers() {
    QFETCH(QByteArray, command);
    QFETCH(QByteArrayList, reply);
    QFETCH(bool, completes);
    QFETCH(bool, afterTimeout);
    QFETCH(QByteArray, neverSent);
    QFETCH(QString, detail);
    openPageOnWorkFiles("Rina Wulandari", "BARU pelabuhan.yayasan.qv");
    FakeSmtpServer server;
    server.replies[command] = reply;
    // After the data only the row's reply speaks: QUIT gets no answer of its own.
    if (command == ".")
        server.replies["quit"] = {};
    page->setServerPort(server.port());

    QElapsedTimer clock;
    clock.start();
    bool completed = false;
    QVERIFY(sendAndWait(page, &completed));
    QCOMPARE(completed, completes);
    if (!neverSent.isEmpty())
        QVERIFY2(!server.received.contains(neverSent), server.received.constData());
    QCOMPARE(page->Winsock1->state(), QAbstractSocket::UnconnectedState);
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
        QCOMPARE(control<SkinLabel>(page, "StatusTxt")->text(), sentText);
        QVERIFY(!loaded<Form1>());
    } else {
        QVERIFY(loaded<Form1>() && window<Form1>()->isVisible());
        QCOMPARE(control<SkinLabel>(window<Form1>(), "SkinLabel2")->text(), detail);
        QVERIFY(control<SkinLabel>(page, "StatusTxt")->text() != sentText);
    }
    // Silence waits out the time-out; anything else ends the wait as it happens.
    if (afterTimeout)
        QVERIFY(clock.elapsed() >= std::chrono::milliseconds(testTimeout).count());
    else
        QVERIFY(clock.elapsed() < std::chrono::milliseconds(testTimeout).count());
}

void TestSmtpClient::secondSendDuringASendLeavesItAlone() {
    openPageOnWorkFiles("Rina Wulandari", "BARU pelabuhan.yayasan.qv");
    FakeSmtpServer server;
    server.replies["helo"] = {"250-halo\r\n", "250-sebentar\r\n", "250-lagi\r\n", "250 ok\r\n"};
    page->setServerPort(server.port());
    QSignalSpy finished(page, &frmMail::sendFinished);

    button(page, "SkinButton1")->click();
    QTRY_COMPARE(control<SkinLabel>(page, "StatusTxt")->text(), QStringLiteral("Connecting...."));
    button(page, "SkinButton1")->click();
    QVERIFY(loaded<Form1>() && window<Form1>()->isVisible());
    QVERIFY(finished.isEmpty());

    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().first().toBool(), true);
    QCOMPARE(server.connections, 1);
    QCOMPARE(control<SkinLabel>(page, "StatusTxt")->text(), sentText);
}

QTEST_MAIN(TestSmtpClient)
#include "tst_smtp_client.moc"
