#include "mailto_url.h"

#include "mail_header.h"

namespace {

QByteArray encoded(const QString &text, const QByteArray &kept = QByteArray()) {
    return text.toUtf8().toPercentEncoding(kept);
}

// The body with CR LF after every line, whichever of CR LF, LF or CR it came with.
QString withCrLf(QString body) {
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    body.replace(u'\r', u'\n');
    body.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return body;
}

} // namespace

QUrl mailtoUrl(const QString &toAddress, const QString &subject, const QString &body) {
    const QByteArray link = "mailto:" + encoded(withoutLineBreaks(toAddress), "@") +
                            "?subject=" + encoded(withoutLineBreaks(subject)) +
                            "&body=" + encoded(withCrLf(body));
    return QUrl::fromEncoded(link, QUrl::StrictMode);
}
