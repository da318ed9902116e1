#include "fake_smtp_server.h"

#include <QTimer>

FakeSmtpServer::FakeSmtpServer()
    : replies{{"", {"220 uji.qv siap\r\n"}},
              {"helo", {"250 halo\r\n"}},
              {"ehlo", {"250-uji.qv\r\n250 STARTTLS\r\n"}},
              {"starttls", {"220 Ready to start TLS\r\n", "<tls>"}},
              {"mail", {"250 pengirim ok\r\n"}},
              {"rcpt", {"250 penerima ok\r\n"}},
              {"data", {"354 lanjutkan\r\n"}},
              {".", {"250 diterima\r\n"}},
              {"quit", {"221 sampai jumpa\r\n"}}} {
    listen(QHostAddress::LocalHost, 0);
}

void FakeSmtpServer::incomingConnection(qintptr descriptor) {
    ++connections;
    delete socket_.data();
    socket_ = new QSslSocket(this);
    socket_->setSocketDescriptor(descriptor);
    unread_.clear();
    inData_ = false;
    connect(socket_, &QSslSocket::readyRead, this, &FakeSmtpServer::read);
    reply("");
}

void FakeSmtpServer::read() {
    const QByteArray arrival = socket_->readAll();
    received += arrival;
    if (!socket_->isEncrypted())
        receivedInClear += arrival;
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
    const QByteArray overTls = "tls:" + command;
    const QByteArrayList pieces = socket_->isEncrypted() && replies.contains(overTls)
                                      ? replies.value(overTls)
                                      : replies.value(command);
    // A handshake starts in the same moment as the go-ahead before it, so that the client's
    // first handshake bytes are never read as a command.
    int delay = 0;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (pieces[i] == "<tls>")
            continue;
        const bool tlsAfter = i + 1 < pieces.size() && pieces[i + 1] == "<tls>";
        QTimer::singleShot(delay, socket_, [this, socket = socket_, piece = pieces[i], tlsAfter] {
            if (piece == "<close>") {
                socket->close();
                return;
            }
            socket->write(piece);
            if (tlsAfter) {
                socket->setLocalCertificate(certificate);
                socket->setPrivateKey(key);
                socket->startServerEncryption();
            }
        });
        delay += 30;
    }
}
