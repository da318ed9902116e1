// The e-mail that carries the registration document: its header block, its date and its
// body as they go over the wire.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What the send page hands over, as the fields hold it.
struct MailFields {
    QString fromName;
    QString fromAddress;
    QString toName;
    QString toAddress;
    QString subject;
    QString body;
};

// "Sat, 05 Dec 2026 15:10:49 +0700": English names, two-digit day, 24-hour time and the
// offset from UTC that the date and time carry.
QByteArray mailDate(const QDateTime &when);

// From, Date, X-Mailer, To and Subject, then the MIME headers that declare the body
// windows-1252 text in 8 bits; every line ends with CR LF.
QByteArray headerBlock(const MailFields &mail, const QDateTime &when);

// The body in windows-1252 with every line ended by CR LF, whatever line ends the text
// had, and a point doubled at the start of each line (so a line "." cannot end the data).
QByteArray wireBody(const QString &body);
