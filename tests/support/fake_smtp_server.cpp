#include "fake_smtp_server.h"

#include <QTimer>

FakeSmtpServer::FakeSmtpServer()
    : replies{{"", {"220 uji.qv siap\r\n"}},     {"helo", {"250 halo\r\n"}},
              {"mail", {"250 pengirim ok\r\n"}}, {"rcpt", {"250 penerima ok\r\n"}},
              {"data", {"354 lanjutkan\r\n"}},   {".", {"250 diterima\r\n"}},
              {"quit", {"221 sampai jumpa\r\n"}}} {
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, &FakeSmtpServer::accept);
}

void FakeSmtpServer::accept() {
    while (QTcpSocket *next = server_.nextPendingConnection()) {
        ++connections;
        delete socket_.data();
        socket_ = next;
        unread_.clear();
        inData_ = false;
        connect(next, &QTcpSocket::readyRead, this, &FakeSmtpServer::read);
        reply("");
    }
}

void FakeSmtpServer::read() {
    const QByteArray arrival = socket_->readAll();
    received += arrival;
    unread_ += arrival;
    qsizetype end;
    while (socket_ && (end = unread_.indexOf('\n')) >= 0) {
        const QByteArray line = unread_.left(end + 1);
        unread_.remove(0, end + 1);
        if (inData_) {
            if (line == ".\r\n") {
                inData_ = false;
                reply(".");
            }
            continue;
        }
        const QByteArray command = line.toLower().split(' ').first().split(':').first().trimmed();
        reply(command);
        inData_ = command == "data";
    }
}

void FakeSmtpServer::reply(const QByteArray &command) {
    const QByteArrayList pieces = replies.value(command);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        QTimer::singleShot(30 * int(i), socket_, [socket = socket_, piece = pieces[i]] {
            if (piece == "<close>")
                socket->close();
            else
                socket->write(piece);
        });
    }
}
