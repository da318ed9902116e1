// One SMTP session at a time: the connection (plain, STARTTLS or TLS from the first byte),
// the dialogue for one message, the reply reader and the wait for each reply. It knows no
// window: it says what it is doing, asks for a login and tells how the send ended.
#pragma once

#include "smtp_dialogue.h"
#include "smtp_reply.h"
#include "smtp_server_address.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QSslError>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QSslSocket;

// How sessions reach servers. The server itself comes with each send, as the applicant types
// it; these say what the way it is typed leads to.
struct SmtpSettings {
    // The port of a server typed without one, and the ports "host:587" and "host:465" use.
    SmtpPorts ports;
    // Authorities trusted besides the system's (tests make their own).
    QList<QSslCertificate> extraAuthorities;
    // How long a wait lasts without the awaited reply.
    std::chrono::milliseconds replyTimeout = std::chrono::seconds(50);
    // Where the Date header's moment comes from.
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };
};

class SmtpSession : public QObject {
    Q_OBJECT
public:
    explicit SmtpSession(SmtpSettings settings = {}, QObject *parent = nullptr);
    ~SmtpSession() override;

    // Starts sending one message to the server as typed ("host" or "host:25" plain SMTP,
    // "host:587" submission with STARTTLS, "host:465" TLS from the first byte); its end comes
    // as finished. A send that cannot start (another is under way, the port cannot be used,
    // this machine has no TLS) returns why, sends nothing and finishes nothing.
    std::optional<QString> SendEmail(const QString &server, const MailFields &mail);
    // Waits for a whole reply with this code; a reply already in is taken at once.
    void WaitFor(const QByteArray &code);
    // Takes what the server sent and hands complete replies to the wait.
    void Winsock1_DataArrival();

    // The answer to loginRequired: the send goes on with this login, or ends without a word.
    void logIn(const QString &user, const QString &password);
    void loginCancelled();
    // Ends the send under way, if any, without a word: the connection is dropped at once.
    void cutOff();

    // No send under way and no connection open.
    bool idle() const;

signals:
    // What the send is doing, for the page's status line.
    void statusChanged(const QString &text);
    // The server wants a login that we can give over TLS: `user` is the sender's address.
    void loginRequired(const QString &host, const QString &user);
    // The send has ended: completed, or failed with the reason in one line of plain
    // Indonesian. The reason is empty when the applicant gave up at the login.
    void finished(bool completed, const QString &reason);

private:
    // The dialogue runs on the socket's and the timer's signals, never in a loop of its own.
    void runDialogue();
    void send(SmtpStep &step);
    void takeReplies();
    void connectionLost();
    void startTls();
    void tlsEstablished();
    void finish(bool completed, const QString &failure = QString());

    const SmtpSettings settings_;
    QSslSocket *const Winsock1;
    std::unique_ptr<SmtpDialogue> dialogue_; // set while a send is under way
    SmtpReplyReader replies_;
    SmtpServerAddress server_; // of the send under way
    QString sender_;           // the sender's address, where the login name starts
    QByteArray awaited_;       // the code the dialogue waits for; empty between waits
    bool awaitingHandshake_ = false;
    bool awaitingLogin_ = false;
    QList<QSslError> certificateProblems_;
    QTimer replyTimer_;
};
