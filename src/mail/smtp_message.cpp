#include "smtp_message.h"

#include "document/code_page.h"
#include "document/maker.h"
#include "mail_header.h"
#include "veld_version.h"

QByteArray mailDate(const QDateTime &when) {
    static const char *const days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate date = when.date();
    const QTime time = when.time();
    const int offsetMinutes = when.offsetFromUtc() / 60;
    const int zone = std::abs(offsetMinutes);
    return QString::asprintf("%s, %02d %s %04d %02d:%02d:%02d %c%02d%02d",
                             days[date.dayOfWeek() - 1], date.day(), months[date.month() - 1],
                             date.year(), time.hour(), time.minute(), time.second(),
                             offsetMinutes < 0 ? '-' : '+', zone / 60, zone % 60)
        .toLatin1();
}

QByteArray headerBlock(const MailFields &mail, const QDateTime &when) {
    return mailboxHeader("From", mail.fromName, mail.fromAddress) + "Date: " + mailDate(when) +
           "\r\n"
           "X-Mailer: JOV-MAILER v 1.0 -- Used in VELD " +
           maker::acronym + " v " + program::version + " --\r\n" +
           mailboxHeader("To", mail.toName, mail.toAddress) + textHeader("Subject", mail.subject) +
           "MIME-Version: 1.0\r\n"
           "Content-Type: text/plain; charset=windows-1252\r\n"
           "Content-Transfer-Encoding: 8bit\r\n";
}

QByteArray wireBody(const QString &body) {
    // One pass from the text to the wire, into one buffer: a character gives at most two
    // bytes (a line end CR LF, a point at a line's start two points).
    QByteArray wire(2 * body.size(), Qt::Uninitialized);
    char *out = wire.data();
    bool atLineStart = true;
    bool afterCr = false;
    windows1252::forEachByte(body, [&](char c) {
        if (c == '\n' && afterCr) { // the LF of a CR LF, already written
            afterCr = false;
            return;
        }
        afterCr = c == '\r';
        if (c == '\r' || c == '\n') {
            *out++ = '\r';
            *out++ = '\n';
            atLineStart = true;
            return;
        }
        if (atLineStart && c == '.')
            *out++ = '.';
        *out++ = c;
        atLineStart = false;
    });
    // The buffer keeps its room, so the line ends the dialogue adds need no new one.
    wire.truncate(out - wire.constData());
    return wire;
}
