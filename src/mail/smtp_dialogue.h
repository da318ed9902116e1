// What the SMTP client says and awaits, step by step, for one message: the dialogue
// without the socket, so that it reads like the protocol and can be checked on its own.
#pragma once

#include "smtp_message.h"

#include <QByteArray>
#include <QString>
#include <vector>

// One step: send the bytes (if any), then show the status text (if any), then wait for a
// reply with the awaited code (if any) before the next step.
struct SmtpStep {
    QByteArray send;
    QString status;
    QByteArray awaited;
};

class SmtpDialogue {
public:
    // The name we greet the server with; the machine's own name is never sent.
    static constexpr const char *heloName = "jov-mailer";

    // The dialogue for one message, dated `when`. The connection is already asked for
    // when the first step runs.
    SmtpDialogue(const MailFields &mail, const QDateTime &when);

    // The next step, or none when the dialogue is over and the connection can close.
    const SmtpStep *next();

    const std::vector<SmtpStep> &steps() const { return steps_; }

private:
    std::vector<SmtpStep> steps_;
    std::size_t next_ = 0;
};
