#include "smtp_reply.h"

namespace {

bool isContinuationLine(const QByteArray &line) {
    return line.size() >= 4 && line.at(3) == '-';
}

} // namespace

void SmtpReplyReader::feed(const QByteArray &arrival) {
    pending_.append(arrival);
}

std::optional<SmtpReply> SmtpReplyReader::take() {
    std::optional<SmtpReply> reply;
    qsizetype lineStart = 0;
    qsizetype lineEnd;
    while (!reply && (lineEnd = pending_.indexOf('\n', lineStart)) >= 0) {
        QByteArray line = pending_.sliced(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        linesSize_ += line.size();
        lines_.append(line);
        // Over the limit even with its final line: refused below, as when it comes in pieces.
        if (linesSize_ > maximumReplySize)
            break;
        if (!isContinuationLine(line)) {
            reply = SmtpReply{line.left(3), std::move(lines_)};
            lines_.clear();
            linesSize_ = 0;
        }
    }
    pending_.remove(0, lineStart);
    // A line still arriving counts too, all but a last CR that may turn out to be its line end,
    // so that where the arrivals happen to be cut never decides.
    const qsizetype arriving = pending_.size() - (pending_.endsWith('\r') ? 1 : 0);
    if (!reply && linesSize_ + arriving > maximumReplySize) {
        reply = SmtpReply{QByteArray(), std::move(lines_)};
        clear();
    }
    return reply;
}

void SmtpReplyReader::clear() {
    pending_.clear();
    lines_.clear();
    linesSize_ = 0;
}
