#include "smtp_dialogue.h"

#include "mail_header.h"

SmtpDialogue::SmtpDialogue(const MailFields &mail, const QDateTime &when) {
    const QByteArray crlf = "\r\n";
    steps_ = {
        {{}, {}, "220"},
        {{}, QStringLiteral("Connecting...."), {}},
        {"HELO " + QByteArray(heloName) + crlf, {}, "250"},
        {{}, QStringLiteral("Connected"), {}},
        {"mail from:<" + addressBytes(mail.fromAddress) + '>' + crlf,
         QStringLiteral("Sending Message"), "250"},
        {"rcpt to:<" + addressBytes(mail.toAddress) + '>' + crlf, {}, "250"},
        {"data" + crlf, {}, "354"},
        // The empty line that ends the headers, the body and its line end, and the point
        // that ends the data: three writes, no wait between them.
        {headerBlock(mail, when) + crlf, {}, {}},
        {wireBody(mail.body) + crlf, {}, {}},
        {"." + crlf, {}, "250"},
        {"quit" + crlf, QStringLiteral("Disconnecting"), "221"},
    };
}

const SmtpStep *SmtpDialogue::next() {
    return next_ < steps_.size() ? &steps_[next_++] : nullptr;
}
