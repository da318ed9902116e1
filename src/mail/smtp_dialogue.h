// What the SMTP client says and awaits, step by step, for one message: the dialogue
// without the socket, so that it reads like the protocol and can be checked on its own.
#pragma once

#include "smtp_message.h"
#include "smtp_reply.h"
#include "smtp_secret.h"
#include "smtp_server_address.h"

#include <QByteArray>
#include <QString>
#include <vector>

// What a step asks of the connection before it sends anything.
enum class SmtpAction {
    None,
    // The server must have offered STARTTLS; without it the send ends, nothing goes out in
    // plain text.
    RequireStartTls,
    // The TLS handshake on the open connection; the dialogue goes on once it is done.
    StartTls,
    // When the server offers a login we speak, the applicant is asked for it and the login
    // steps are added here.
    LogIn,
};

// One step: do the action (if any), send the bytes (if any), then show the status text
// (if any), then wait for a reply with the awaited code (if any) before the next step.
struct SmtpStep {
    QByteArray send;
    QString status;
    QByteArray awaited;
    SmtpAction action = SmtpAction::None;
    // The bytes carry the login: they go out over TLS only, never reach the log, and are
    // wiped once they are sent and when the dialogue ends.
    bool secret = false;
    // The awaited reply means the server has taken the message (the 250 to the point that
    // ends the data).
    bool delivers = false;
};

class SmtpDialogue {
public:
    // The name we greet the server with; the machine's own name is never sent.
    static constexpr const char *heloName = "jov-mailer";

    // The dialogue for one message, dated `when`. The connection is already asked for
    // when the first step runs; with ImplicitTls it is encrypted from its first byte.
    SmtpDialogue(const MailFields &mail, const QDateTime &when,
                 SmtpSecurity security = SmtpSecurity::None);
    ~SmtpDialogue();
    SmtpDialogue(const SmtpDialogue &) = delete;
    SmtpDialogue &operator=(const SmtpDialogue &) = delete;

    // The next step, or none when the dialogue is over and the connection can close.
    SmtpStep *next();

    // Hands the dialogue the reply its current step awaited; a reply to EHLO tells what
    // the server offers, and replaces what an earlier one told.
    void replied(const SmtpReply &reply);
    bool offers(const QByteArray &extension) const;
    // Whether the server has taken the message: from then on the form is delivered, and
    // nothing that happens at QUIT (another reply, silence, a closed connection) undoes it.
    bool delivered() const { return delivered_; }
    // The login mechanism we use with this server: "PLAIN", else "LOGIN", else none.
    QByteArray loginMechanism() const;
    // Adds the login with these credentials as the next steps.
    void logIn(const SmtpSecret &secret);

private:
    std::vector<SmtpStep> steps_;
    std::size_t next_ = 0;
    bool delivered_ = false;
    // What the last EHLO reply offered: keyword in upper case, then its parameters.
    std::vector<QByteArrayList> extensions_;
};
