// Benchmark: a 1 MiB registration document sent by the send page to a local aiosmtpd,
// beside the same message sent by Python's smtplib in the same run.
#include "app/window_set.h"
#include "bench_table.h"
#include "mail/send_page.h"
#include "smtp_test_server.h"
#include "work_dir.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>

namespace {

constexpr int sends = 5;

// About targetBytes of document: item lines, a few of them starting with a point.
QByteArray generateDocument(qsizetype targetBytes) {
    QByteArray document = "\r\nZCZC RDVUMUM $Revision 3.1 $ Baris INI JANGAN DIHAPUS !!!!!!!!\r\n";
    for (int line = 0; document.size() < targetBytes; ++line) {
        document += "1d. Keterangan..........: baris " + QByteArray::number(line) +
                    " kegiatan warga pesisir, caf\xE9 dan pelabuhan biru\r\n";
        if (line % 50 == 0)
            document += ".titik di awal baris\r\n";
    }
    return document;
}

// Milliseconds per send as smtplib measures them, or none when Python fails.
std::vector<double> smtplibSends(quint16 port, const QByteArray &message) {
    const char *script = R"(
import smtplib, sys, time
port, count = int(sys.argv[1]), int(sys.argv[2])
message = sys.stdin.buffer.read()
for _ in range(count):
    start = time.perf_counter()
    with smtplib.SMTP("127.0.0.1", port) as client:
        client.helo("jov-mailer")
        client.sendmail("rina@pelabuhan.qv", ["daftar-yayasan@nic.qv"], message)
    print((time.perf_counter() - start) * 1000.0)
)";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromLatin1(script), QString::number(port),
                  QString::number(sends)});
    python.write(message);
    python.closeWriteChannel();
    std::vector<double> times;
    if (!python.waitForFinished(120000) || python.exitCode() != 0)
        return times;
    for (const QByteArray &line : python.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            times.push_back(line.toDouble());
    return times;
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    SmtpTestServer server;
    QString reason;
    if (!server.start(&reason)) {
        std::fprintf(stderr, "bench_smtp_send: no aiosmtpd: %s\n", qPrintable(reason));
        return 1;
    }
    ScopedWorkDir work;
    const QByteArray document = generateDocument(1024 * 1024);
    // All the work files the page reads, so that it fills every field and warns of none;
    // the sender's name is beyond ASCII, as many are.
    work.write(QStringLiteral("DAT.JOV"), document);
    work.write(QStringLiteral("DATM1.JOV"), "BARU pelabuhan.yayasan.qv");
    work.write(QStringLiteral("DATM2.JOV"), "daftar-yayasan@nic.qv");
    work.write(QStringLiteral("DATM3.JOV"), "rina@pelabuhan.qv");
    work.write(QStringLiteral("DATM4.JOV"), "R\xE9na W");

    StartupOptions options;
    options.smtp.ports.plain = server.port();
    WindowSet windows(options);
    frmMail *page = windows.frmMail.get();
    page->txtEmailServer->setText(QStringLiteral("127.0.0.1"));
    page->Show();
    QCoreApplication::processEvents();

    std::vector<double> ours;
    for (int send = 0; send < sends; ++send) {
        QSignalSpy finished(page, &frmMail::sendFinished);
        QElapsedTimer clock;
        clock.start();
        page->SkinButton1_Click();
        if (!finished.wait(120000) || !finished.first().first().toBool()) {
            std::fprintf(stderr, "bench_smtp_send: the send page's send failed\n");
            return 1;
        }
        ours.push_back(clock.nsecsElapsed() / 1e6);
    }
    // smtplib sends exactly what our page sent, as aiosmtpd received it.
    const std::vector<double> theirs =
        smtplibSends(server.port(), server.received().last().message);
    if (theirs.size() != std::size_t(sends)) {
        std::fprintf(stderr, "bench_smtp_send: smtplib did not run\n");
        return 1;
    }
    printBenchRow("send of 1 MiB to local aiosmtpd", median(ours), median(theirs), "ms",
                  "Python smtplib");
    return 0;
}
