// A real SMTP server for tests: aiosmtpd on a free loopback port, keeping every message
// it receives so that a test can compare the bytes. Plain as the send page has always
// spoken to, or a provider's submission server with TLS and a required login.
#pragma once

#include <QByteArrayList>
#include <QProcess>
#include <QTemporaryDir>

struct ReceivedMail {
    QByteArray greetingName; // what came after HELO
    QByteArray mailFrom;
    QByteArrayList recipients;
    QByteArray message; // the data as the server restored it (points un-doubled)
};

struct SmtpTlsOptions {
    enum Mode { StartTls, Implicit } mode = StartTls; // STARTTLS required, or TLS from byte one
    QString certificate; // PEM files of the server's certificate and key
    QString key;
    QString user; // the one login it accepts
    QString password;
    QString host = QStringLiteral("127.0.0.1"); // or "::1"
};

class SmtpTestServer {
public:
    SmtpTestServer() = default;
    ~SmtpTestServer();
    SmtpTestServer(const SmtpTestServer &) = delete;
    SmtpTestServer &operator=(const SmtpTestServer &) = delete;

    // Starts the server and waits until it listens; false with a reason when it cannot.
    bool start(QString *reason = nullptr);
    bool startTls(const SmtpTlsOptions &options, QString *reason = nullptr);
    quint16 port() const { return port_; }

    // Every message received so far, oldest first.
    QList<ReceivedMail> received() const;
    // Every command line the TLS server read, in order (what follows "AUTH x " masked).
    QByteArrayList commands() const;

private:
    bool tryStart(const QStringList &arguments, const QString &host, QString *reason);

    QTemporaryDir folder_;
    QProcess process_;
    quint16 port_ = 0;
};
