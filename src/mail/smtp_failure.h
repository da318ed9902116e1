// What went wrong with a send, in one line of plain Indonesian for the line the SMTP
// error dialog adds under its own text.
#pragma once

#include "smtp_reply.h"

#include <QAbstractSocket>
#include <QList>
#include <QSslError>
#include <QString>
#include <chrono>

// "Server menjawab: 550 5.1.1 ..." with the reply's code and the text of all its lines.
QString serverRepliedLine(const SmtpReply &reply);

// No whole reply within the time a wait lasts.
QString silenceLine(std::chrono::milliseconds timeout);

// A connection that could not be made, broke, or whose TLS handshake failed; the
// certificate problems found in the handshake, when there were any, say why.
QString connectionFailureLine(QAbstractSocket::SocketError error, const QString &errorText,
                              const QString &host, quint16 port,
                              const QList<QSslError> &certificateProblems);

// The fixed ones.
QString sendUnderWayLine();
QString noStartTlsLine();
QString noTlsHereLine();
