// Fuzzes the SMTP reply reader: whatever a server sends, however it is cut into arrivals, the
// reader hands out the same well-formed replies, and never crashes, hangs or leaks.
#include "mail/smtp_reply.h"

#include <QList>
#include <cstdint>
#include <cstdlib>

namespace {

// The stream arrives in pieces of the given sizes, used in turn; the replies are taken after
// every arrival, as the send page does.
QList<SmtpReply> read(const QByteArray &stream, const QList<qsizetype> &pieceSizes) {
    SmtpReplyReader reader;
    QList<SmtpReply> replies;
    for (qsizetype at = 0, turn = 0; at < stream.size(); ++turn) {
        const qsizetype piece = pieceSizes[turn % pieceSizes.size()];
        reader.feed(stream.mid(at, piece));
        at += piece;
        while (std::optional<SmtpReply> reply = reader.take())
            replies.append(*reply);
    }
    return replies;
}

// Once the reader gives up (a reply without a code, for a server sending too much), the send
// fails and the reader is cleared: nothing after that reply counts.
QList<SmtpReply> untilGivenUp(QList<SmtpReply> replies) {
    for (qsizetype i = 0; i < replies.size(); ++i)
        if (replies[i].code.isEmpty())
            return replies.first(i + 1);
    return replies;
}

bool wellFormed(const SmtpReply &reply) {
    if (reply.code.isEmpty())
        return true;
    if (reply.lines.isEmpty() || reply.code != reply.lines.last().left(3))
        return false;
    for (qsizetype i = 0; i < reply.lines.size(); ++i) {
        const QByteArray &line = reply.lines[i];
        const bool continues = line.size() >= 4 && line[3] == '-';
        if (line.contains('\n') || continues != (i + 1 < reply.lines.size()))
            return false;
    }
    return true;
}

} // namespace

// The input is the server's stream after a first byte that chooses how it is cut: into pieces
// of 1 to 16 bytes in a repeating pattern, or of up to 4 KiB. Streams longer than 4 KiB come in
// proportionally longer pieces, so that a long stream does not take a second to read.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const int cut = data[0];
    const QByteArray stream(reinterpret_cast<const char *>(data + 1),
                            static_cast<qsizetype>(size - 1));
    const qsizetype scale = 1 + stream.size() / 4096;
    const QList<qsizetype> pieceSizes =
        cut < 128 ? QList<qsizetype>{(cut % 16 + 1) * scale, (cut / 16 + 1) * scale, 1}
                  : QList<qsizetype>{(cut - 127) * 32};

    const QList<SmtpReply> whole = untilGivenUp(read(stream, {stream.size()}));
    const QList<SmtpReply> pieces = untilGivenUp(read(stream, pieceSizes));
    if (whole.size() != pieces.size())
        std::abort();
    // The lines of a reply the reader gave up on are never looked at; its missing code is all
    // that counts.
    for (qsizetype i = 0; i < whole.size(); ++i)
        if (!wellFormed(whole[i]) || whole[i].code != pieces[i].code ||
            (!whole[i].code.isEmpty() && whole[i].lines != pieces[i].lines))
            std::abort();
    return 0;
}
