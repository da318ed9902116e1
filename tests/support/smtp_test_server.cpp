#include "smtp_test_server.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace {

// A port nobody listens on right now. Another program may take it before aiosmtpd does;
// start() then tries again.
quint16 freeLoopbackPort(const QHostAddress &host) {
    QTcpServer probe;
    if (!probe.listen(host, 0))
        return 0;
    return probe.serverPort();
}

bool listening(const QHostAddress &host, quint16 port) {
    QTcpSocket socket;
    socket.connectToHost(host, port);
    return socket.waitForConnected(200);
}

QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

SmtpTestServer::~SmtpTestServer() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool SmtpTestServer::start(QString *reason) {
    const QString host = QStringLiteral("127.0.0.1");
    for (int attempt = 0; attempt < 3; ++attempt)
        if (tryStart({QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"),
                      QStringLiteral("-l"), QStringLiteral("%1:%2"), QStringLiteral("-c"),
                      QStringLiteral("smtp_capture.Capture"), folder_.path()},
                     host, reason))
            return true;
    return false;
}

bool SmtpTestServer::startTls(const SmtpTlsOptions &options, QString *reason) {
    const QString mode = options.mode == SmtpTlsOptions::Implicit ? QStringLiteral("implicit")
                                                                  : QStringLiteral("starttls");
    for (int attempt = 0; attempt < 3; ++attempt)
        if (tryStart({QStringLiteral(VELD_TEST_SUPPORT_DIR "/smtp_tls_server.py"), folder_.path(),
                      QStringLiteral("%1"), QStringLiteral("%2"), mode, options.certificate,
                      options.key, options.user, options.password},
                     options.host, reason))
            return true;
    return false;
}

// `arguments` for Debian's interpreter, with "%1" standing for the host and "%2" for the port
// (alone, or as "%1:%2").
bool SmtpTestServer::tryStart(const QStringList &arguments, const QString &host, QString *reason) {
    const QHostAddress address(host);
    port_ = freeLoopbackPort(address);
    QStringList filledIn = arguments;
    filledIn.replaceInStrings(QStringLiteral("%1"), host);
    filledIn.replaceInStrings(QStringLiteral("%2"), QString::number(port_));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PYTHONPATH"), QStringLiteral(VELD_TEST_SUPPORT_DIR));
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.setStandardOutputFile(QProcess::nullDevice());
    // Debian's interpreter: it is the one that sees Debian's aiosmtpd.
    process_.start(QStringLiteral("/usr/bin/python3"), filledIn);
    if (!process_.waitForStarted(5000)) {
        if (reason)
            *reason = process_.errorString();
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000 && process_.state() == QProcess::Running) {
        if (listening(address, port_))
            return true;
        QThread::msleep(50);
    }
    if (reason)
        *reason = QStringLiteral("aiosmtpd did not listen on port %1").arg(port_);
    process_.kill();
    process_.waitForFinished(5000);
    return false;
}

QList<ReceivedMail> SmtpTestServer::received() const {
    QList<ReceivedMail> mails;
    for (int number = 1;; ++number) {
        const QString stem = QDir(folder_.path()).filePath(QString::number(number));
        if (!QFile::exists(stem + QStringLiteral(".eml")))
            return mails;
        QByteArrayList head = fileBytes(stem + QStringLiteral(".envelope")).split('\n');
        head.removeLast(); // after the last line end
        ReceivedMail mail;
        mail.greetingName = head.value(0);
        mail.mailFrom = head.value(1);
        mail.recipients = head.mid(2);
        mail.message = fileBytes(stem + QStringLiteral(".eml"));
        mails.append(mail);
    }
}

QByteArrayList SmtpTestServer::commands() const {
    QByteArrayList lines =
        fileBytes(QDir(folder_.path()).filePath(QStringLiteral("commands.log"))).split('\n');
    lines.removeLast(); // after the last line end
    return lines;
}
