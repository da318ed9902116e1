// Server replies of an SMTP dialogue, gathered whole from what arrives on the socket.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <optional>

struct SmtpReply {
    // The code of the final line: its first three characters ("250"), which decide.
    QByteArray code;
    // Every line of the reply without its line end, continuation lines first.
    QByteArrayList lines;
};

// Collects arrivals and hands out complete replies. A reply is complete with its final
// line: three digits then a blank or the line end ("250 ok", "250"); lines of the form
// "250-..." continue it. A reply may come in any number of pieces, and several replies may
// come in one. A line of any other form is no reply: it ends as a reply with no code.
class SmtpReplyReader {
public:
    // More than this without a complete reply is no SMTP server either; it ends as a reply
    // with no code, so the wait fails instead of the buffer growing.
    static constexpr qsizetype maximumReplySize = 64 * 1024;

    void feed(const QByteArray &arrival);
    // The oldest complete reply not yet taken, if any.
    std::optional<SmtpReply> take();
    void clear();

private:
    QByteArray pending_;
    qsizetype unscanned_ = 0; // how much of pending_ is known to hold no line end
    QByteArrayList lines_;    // lines of the reply being gathered
    qsizetype linesSize_ = 0;
};
