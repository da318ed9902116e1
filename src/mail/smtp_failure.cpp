#include "smtp_failure.h"

#include <QStringList>

namespace {

QString certificateProblem(const QSslError &problem) {
    switch (problem.error()) {
    case QSslError::HostNameMismatch:
        return QStringLiteral("sertifikat itu untuk nama server lain");
    case QSslError::SelfSignedCertificate:
        return QStringLiteral("sertifikat dibuat sendiri oleh server");
    case QSslError::SelfSignedCertificateInChain:
    case QSslError::UnableToGetLocalIssuerCertificate:
    case QSslError::UnableToGetIssuerCertificate:
    case QSslError::UnableToVerifyFirstCertificate:
    case QSslError::CertificateUntrusted:
        return QStringLiteral("penerbit sertifikat tidak dikenal");
    case QSslError::CertificateExpired:
        return QStringLiteral("sertifikat sudah kedaluwarsa");
    case QSslError::CertificateNotYetValid:
        return QStringLiteral("sertifikat belum berlaku");
    case QSslError::CertificateRevoked:
        return QStringLiteral("sertifikat sudah dicabut");
    case QSslError::NoPeerCertificate:
        return QStringLiteral("server tidak menunjukkan sertifikat");
    default:
        return problem.errorString();
    }
}

} // namespace

QString serverRepliedLine(const SmtpReply &reply) {
    if (reply.code.isEmpty())
        return QStringLiteral("Jawaban server tidak dapat dibaca.");
    QStringList texts{QString::fromUtf8(reply.code)};
    for (const QByteArray &line : reply.lines)
        texts.append(QString::fromUtf8(line.mid(4)));
    texts.removeAll(QString());
    return QStringLiteral("Server menjawab: ") + texts.join(u' ');
}

QString silenceLine(std::chrono::milliseconds timeout) {
    const auto seconds = std::chrono::ceil<std::chrono::seconds>(timeout).count();
    return QStringLiteral("Server tidak menjawab dalam %1 detik.").arg(seconds);
}

QString connectionFailureLine(QAbstractSocket::SocketError error, const QString &errorText,
                              const QString &host, quint16 port,
                              const QList<QSslError> &certificateProblems) {
    if (!certificateProblems.isEmpty()) {
        QStringList reasons;
        for (const QSslError &problem : certificateProblems)
            if (const QString reason = certificateProblem(problem); !reasons.contains(reason))
                reasons.append(reason);
        return QStringLiteral("Sertifikat server tidak dapat dipercaya: ") +
               reasons.join(QStringLiteral("; ")) + u'.';
    }
    switch (error) {
    case QAbstractSocket::HostNotFoundError:
        return host.isEmpty() ? QStringLiteral("Nama server SMTP belum diisi.")
                              : QStringLiteral("Server \"%1\" tidak ditemukan.").arg(host);
    case QAbstractSocket::ConnectionRefusedError:
        return QStringLiteral("Server menolak sambungan ke port %1.").arg(port);
    case QAbstractSocket::RemoteHostClosedError:
        return QStringLiteral("Server memutuskan sambungan.");
    case QAbstractSocket::SocketTimeoutError:
        return QStringLiteral("Waktu menyambung ke server habis.");
    case QAbstractSocket::NetworkError:
        return QStringLiteral("Jaringan tidak dapat dicapai.");
    case QAbstractSocket::SslHandshakeFailedError:
        return QStringLiteral("Sambungan aman (TLS) gagal: ") + errorText;
    default:
        return QStringLiteral("Sambungan gagal: ") + errorText;
    }
}

QString sendUnderWayLine() {
    return QStringLiteral("Pengiriman sebelumnya masih berjalan.");
}

QString noStartTlsLine() {
    return QStringLiteral("Server tidak menawarkan STARTTLS, jadi formulir tidak dikirim tanpa "
                          "enkripsi.");
}

QString noTlsHereLine() {
    return QStringLiteral("Komputer ini tidak dapat membuat sambungan aman (TLS): pustaka "
                          "OpenSSL tidak ditemukan.");
}
