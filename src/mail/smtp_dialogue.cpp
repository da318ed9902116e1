#include "smtp_dialogue.h"

#include "mail_header.h"

namespace {

const QByteArray crlf = "\r\n";

std::vector<SmtpStep> greeting(SmtpSecurity security) {
    const QByteArray ehlo = "EHLO " + QByteArray(SmtpDialogue::heloName) + crlf;
    switch (security) {
    case SmtpSecurity::None:
        return {
            {{}, {}, "220"},
            {{}, QStringLiteral("Connecting...."), {}},
            {"HELO " + QByteArray(SmtpDialogue::heloName) + crlf, {}, "250"},
            {{}, QStringLiteral("Connected"), {}},
        };
    case SmtpSecurity::StartTls:
        // What the server offered before TLS is forgotten: only the EHLO over TLS counts.
        return {
            {{}, {}, "220"},
            {{}, QStringLiteral("Connecting...."), {}},
            {ehlo, {}, "250"},
            {"STARTTLS" + crlf, {}, "220", SmtpAction::RequireStartTls},
            {{}, {}, {}, SmtpAction::StartTls},
            {ehlo, {}, "250"},
            {{}, {}, {}, SmtpAction::LogIn},
            {{}, QStringLiteral("Connected"), {}},
        };
    case SmtpSecurity::ImplicitTls:
        return {
            {{}, {}, "220"},
            {{}, QStringLiteral("Connecting...."), {}},
            {ehlo, {}, "250"},
            {{}, {}, {}, SmtpAction::LogIn},
            {{}, QStringLiteral("Connected"), {}},
        };
    }
    return {};
}

} // namespace

SmtpDialogue::SmtpDialogue(const MailFields &mail, const QDateTime &when, SmtpSecurity security)
    : steps_(greeting(security)) {
    const std::vector<SmtpStep> message = {
        {"mail from:<" + addressBytes(mail.fromAddress) + '>' + crlf,
         QStringLiteral("Sending Message"), "250"},
        {"rcpt to:<" + addressBytes(mail.toAddress) + '>' + crlf, {}, "250"},
        {"data" + crlf, {}, "354"},
        // The empty line that ends the headers; the body line (the body and its line end)
        // and one more line end; the point that ends the data: three writes, no wait
        // between them. A body ending in a line end is thus followed by two empty lines.
        {headerBlock(mail, when) + crlf, {}, {}},
        {wireBody(mail.body).append(crlf).append(crlf), {}, {}},
        {"." + crlf, {}, "250", SmtpAction::None, false, true},
        {"quit" + crlf, QStringLiteral("Disconnecting"), "221"},
    };
    steps_.insert(steps_.end(), message.begin(), message.end());
}

SmtpDialogue::~SmtpDialogue() {
    for (SmtpStep &step : steps_)
        if (step.secret)
            wipe(step.send);
}

SmtpStep *SmtpDialogue::next() {
    return next_ < steps_.size() ? &steps_[next_++] : nullptr;
}

void SmtpDialogue::replied(const SmtpReply &reply) {
    if (next_ == 0)
        return;
    if (steps_[next_ - 1].delivers)
        delivered_ = true;
    if (!steps_[next_ - 1].send.startsWith("EHLO "))
        return;
    // The first line greets; each further one names an extension and its parameters.
    extensions_.clear();
    for (qsizetype i = 1; i < reply.lines.size(); ++i) {
        QByteArrayList words = reply.lines[i].mid(4).simplified().split(' ');
        words.first() = words.first().toUpper();
        // Older servers write "AUTH=LOGIN PLAIN".
        if (words.first().startsWith("AUTH=")) {
            words.insert(1, words.first().mid(5));
            words.first() = "AUTH";
        }
        extensions_.push_back(words);
    }
}

bool SmtpDialogue::offers(const QByteArray &extension) const {
    for (const QByteArrayList &words : extensions_)
        if (words.first() == extension)
            return true;
    return false;
}

QByteArray SmtpDialogue::loginMechanism() const {
    QByteArrayList mechanisms;
    for (const QByteArrayList &words : extensions_)
        if (words.first() == "AUTH")
            for (const QByteArray &mechanism : words.mid(1))
                mechanisms.append(mechanism.toUpper());
    for (const QByteArray preferred : {"PLAIN", "LOGIN"})
        if (mechanisms.contains(preferred))
            return preferred;
    return {};
}

void SmtpDialogue::logIn(const SmtpSecret &secret) {
    std::vector<SmtpStep> login;
    if (loginMechanism() == "PLAIN") {
        login.push_back({secret.plainLine(), {}, "235", {}, true});
    } else {
        login.push_back({"AUTH LOGIN" + crlf, {}, "334"});
        login.push_back({secret.userLine(), {}, "334", {}, true});
        login.push_back({secret.passwordLine(), {}, "235", {}, true});
    }
    steps_.insert(steps_.begin() + qsizetype(next_), std::make_move_iterator(login.begin()),
                  std::make_move_iterator(login.end()));
}
