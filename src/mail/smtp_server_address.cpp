#include "smtp_server_address.h"

namespace {

// 1 to 65535, written in decimal digits only.
std::optional<quint16> portNumber(const QString &text) {
    if (text.isEmpty() || text.size() > 5)
        return std::nullopt;
    int number = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        number = number * 10 + (c.unicode() - u'0');
    }
    if (number < 1 || number > 65535)
        return std::nullopt;
    return quint16(number);
}

} // namespace

std::optional<SmtpServerAddress> parseSmtpServer(const QString &typed, const SmtpPorts &ports,
                                                 QString *problem) {
    QString host = typed;
    std::optional<QString> portText;
    if (typed.startsWith(u'[')) {
        const qsizetype close = typed.indexOf(u']');
        const QString rest = close < 0 ? QString() : typed.mid(close + 1);
        if (close < 0 || (!rest.isEmpty() && !rest.startsWith(u':'))) {
            *problem = QStringLiteral("Alamat IPv6 ditulis dalam kurung siku, misalnya "
                                      "[2001:db8::1]:587.");
            return std::nullopt;
        }
        host = typed.mid(1, close - 1);
        if (!rest.isEmpty())
            portText = rest.mid(1);
    } else if (typed.count(u':') == 1) {
        const qsizetype colon = typed.indexOf(u':');
        host = typed.left(colon);
        portText = typed.mid(colon + 1);
    }

    SmtpServerAddress address{host, ports.plain, SmtpSecurity::None};
    if (!portText)
        return address;
    const std::optional<quint16> port = portNumber(*portText);
    if (!port) {
        *problem = QStringLiteral("Port server SMTP harus angka 1 sampai 65535, bukan \"%1\".")
                       .arg(*portText);
        return std::nullopt;
    }
    if (*port == 587)
        address = {host, ports.submission, SmtpSecurity::StartTls};
    else if (*port == 465)
        address = {host, ports.implicitTls, SmtpSecurity::ImplicitTls};
    else
        address.port = *port;
    return address;
}
