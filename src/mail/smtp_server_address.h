// The SMTP server as the applicant types it: a host, and the port that also says how the
// connection is made ("smtp.example.qv", "smtp.example.qv:587", "[::1]:465").
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

enum class SmtpSecurity {
    None,        // plain SMTP, as ever: HELO, no TLS, no login
    StartTls,    // submission: EHLO, then STARTTLS before anything else
    ImplicitTls, // TLS from the first byte
};

// The ports a server text leads to. Port 587 means submission with STARTTLS and 465 TLS
// from the first byte; tests that cannot listen on those give other ones to connect to.
struct SmtpPorts {
    quint16 plain = 25;
    quint16 submission = 587;
    quint16 implicitTls = 465;
};

struct SmtpServerAddress {
    QString host; // without the brackets of an IPv6 literal
    quint16 port = 25;
    SmtpSecurity security = SmtpSecurity::None;
};

// The server named by `typed`: "host", "host:port", "[IPv6]" or "[IPv6]:port"; an IPv6
// literal without brackets is a host without a port. A port that is not a number from 1
// to 65535 gives none, with the reason in plain words in `problem`.
std::optional<SmtpServerAddress> parseSmtpServer(const QString &typed, const SmtpPorts &ports,
                                                 QString *problem);
