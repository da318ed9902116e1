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
    const QByteArray text = toWindows1252(body);
    QByteArray wire;
    wire.reserve(text.size() + text.size() / 16);
    bool atLineStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            wire += "\r\n";
            atLineStart = true;
            continue;
        }
        if (atLineStart && c == '.')
            wire += '.';
        wire += c;
        atLineStart = false;
    }
    return wire;
}
