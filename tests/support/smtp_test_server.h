// A real SMTP server for tests: aiosmtpd on a free loopback port, keeping every message
// it receives so that a test can compare the bytes.
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

class SmtpTestServer {
public:
    SmtpTestServer() = default;
    ~SmtpTestServer();
    SmtpTestServer(const SmtpTestServer &) = delete;
    SmtpTestServer &operator=(const SmtpTestServer &) = delete;

    // Starts the server and waits until it listens; false with a reason when it cannot.
    bool start(QString *reason = nullptr);
    quint16 port() const { return port_; }

    // Every message received so far, oldest first.
    QList<ReceivedMail> received() const;

private:
    bool tryStart(QString *reason);

    QTemporaryDir folder_;
    QProcess process_;
    quint16 port_ = 0;
};
