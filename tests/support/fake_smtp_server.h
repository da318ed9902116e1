// A small SMTP server inside the test that can misbehave: each command gets the reply set
// for it, sent in the given pieces a moment apart; a piece "<close>" closes the connection
// instead, and no pieces at all means silence. Everything the client sends is kept.
#pragma once

#include <QByteArrayList>
#include <QMap>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

class FakeSmtpServer : public QObject {
public:
    FakeSmtpServer();
    quint16 port() const { return server_.serverPort(); }

    // Replies by command in lower case ("helo", "mail", "rcpt", "data", "quit"), "" for the
    // greeting and "." for the end of the data.
    QMap<QByteArray, QByteArrayList> replies;
    // Every byte the client sent, and whether it is still connected.
    QByteArray received;
    bool clientConnected() const {
        return socket_ && socket_->state() == QTcpSocket::ConnectedState;
    }
    int connections = 0;

private:
    void accept();
    void read();
    void reply(const QByteArray &command);

    QTcpServer server_;
    QPointer<QTcpSocket> socket_;
    QByteArray unread_;
    bool inData_ = false;
};
