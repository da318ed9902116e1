// A small SMTP server inside the test that can misbehave: each command gets the reply set
// for it, sent in the given pieces a moment apart; a piece "<close>" closes the connection
// instead, "<tls>" after a piece starts the server's side of a TLS handshake as that piece
// goes, and no pieces at all means
// silence. Everything the client sends is kept.
#pragma once

#include <QByteArrayList>
#include <QMap>
#include <QPointer>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>

class FakeSmtpServer : public QTcpServer {
public:
    FakeSmtpServer();
    quint16 port() const { return serverPort(); }

    // Replies by command in lower case ("helo", "ehlo", "starttls", "mail", "rcpt", "data",
    // "quit"), "" for the greeting and "." for the end of the data. Once the connection is
    // encrypted, a reply under "tls:" and the command ("tls:ehlo") comes first.
    QMap<QByteArray, QByteArrayList> replies;
    // The certificate and key "<tls>" shows the client.
    QSslCertificate certificate;
    QSslKey key;
    // Every byte the client sent (decrypted, once encrypted), and whether it is connected.
    QByteArray received;
    // What the client sent in plain text, before any TLS.
    QByteArray receivedInClear;
    bool clientConnected() const {
        return socket_ && socket_->state() == QTcpSocket::ConnectedState;
    }
    int connections = 0;

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void read();
    void reply(const QByteArray &command);

    QPointer<QSslSocket> socket_;
    QByteArray unread_;
    bool inData_ = false;
};
