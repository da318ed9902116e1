#include "smtp_reply.h"

#include <algorithm>

namespace {

bool isContinuationLine(const QByteArray &line) {
    return line.size() >= 4 && line.at(3) == '-';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A line of a reply: three digits, then a blank, a "-" or the line's end.
bool isReplyLine(const QByteArray &line) {
    if (line.size() < 3 || !isDigit(line[0]) || !isDigit(line[1]) || !isDigit(line[2]))
        return false;
    return line.size() == 3 || line[3] == ' ' || line[3] == '-';
}

// Whether the start of a line still arriving can become a reply line; junk is known as
// soon as it shows, without waiting for a line end that may never come.
bool mayBecomeReplyLine(const QByteArray &start) {
    for (qsizetype i = 0; i < std::min<qsizetype>(start.size(), 3); ++i)
        if (!isDigit(start[i]))
            return false;
    if (start.size() < 4)
        return true;
    const char after = start[3];
    // "250" CR can still end its line, but not once anything but LF follows the CR.
    return after == ' ' || after == '-' || (after == '\r' && start.size() == 4);
}

} // namespace

void SmtpReplyReader::feed(const QByteArray &arrival) {
    pending_.append(arrival);
}

std::optional<SmtpReply> SmtpReplyReader::take() {
    std::optional<SmtpReply> reply;
    qsizetype lineStart = 0;
    qsizetype lineEnd;
    bool unreadable = false;
    // The search for the first line end starts where the last one gave up.
    qsizetype searchFrom = unscanned_;
    while (!reply && (lineEnd = pending_.indexOf('\n', searchFrom)) >= 0) {
        QByteArray line = pending_.sliced(lineStart, lineEnd - lineStart);
        lineStart = searchFrom = lineEnd + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        linesSize_ += line.size();
        lines_.append(line);
        // Over the limit even with its final line: refused below, as when it comes in pieces.
        if (linesSize_ > maximumReplySize || !isReplyLine(line)) {
            unreadable = true;
            break;
        }
        if (!isContinuationLine(line)) {
            reply = SmtpReply{line.left(3), std::move(lines_)};
            lines_.clear();
            linesSize_ = 0;
        }
    }
    pending_.remove(0, lineStart);
    // Without a reply, what is left holds no line end; after one, it has not been looked at.
    unscanned_ = reply ? 0 : pending_.size();
    // A line still arriving counts too, all but a last CR that may turn out to be its line end,
    // so that where the arrivals happen to be cut never decides.
    const qsizetype arriving = pending_.size() - (pending_.endsWith('\r') ? 1 : 0);
    if (!reply &&
        (unreadable || linesSize_ + arriving > maximumReplySize || !mayBecomeReplyLine(pending_))) {
        reply = SmtpReply{QByteArray(), std::move(lines_)};
        clear();
    }
    return reply;
}

void SmtpReplyReader::clear() {
    pending_.clear();
    unscanned_ = 0;
    lines_.clear();
    linesSize_ = 0;
}
