#include "test_certificates.h"

#include <QFile>
#include <QProcess>

namespace {

const char *const stems[] = {"loopback", "other-host", "self-signed"};

// The extensions of the authority and of a server; names come with each request.
const char *const configuration = "[req]\n"
                                  "distinguished_name = name\n"
                                  "[name]\n"
                                  "[authority]\n"
                                  "basicConstraints = critical,CA:TRUE\n"
                                  "keyUsage = critical,keyCertSign\n"
                                  "[server]\n"
                                  "basicConstraints = critical,CA:FALSE\n"
                                  "extendedKeyUsage = serverAuth\n";

} // namespace

bool TestCertificates::make(QString *reason) {
    QFile config(folder_.filePath(QStringLiteral("openssl.cnf")));
    if (!config.open(QIODevice::WriteOnly) || config.write(configuration) < 0) {
        *reason = config.errorString();
        return false;
    }
    config.close();
    // A small elliptic-curve key each, valid for two days. "@" stands for the folder.
    const QString request = QStringLiteral(
        "req -x509 -config @/openssl.cnf -newkey ec -pkeyopt ec_paramgen_curve:P-256 -nodes "
        "-days 2 ");
    const QString server = QStringLiteral("-subj /CN=server-uji -extensions server -addext "
                                          "subjectAltName=%1 -keyout @/%2.key -out @/%2.pem");
    const QString signedByUs = QStringLiteral(" -CA @/authority.pem -CAkey @/authority.key");
    const QString loopback = QStringLiteral("DNS:localhost,IP:127.0.0.1,IP:::1");
    const QStringList commands{
        request + "-subj /CN=Otoritas-Uji -extensions authority -keyout @/authority.key "
                  "-out @/authority.pem",
        request + server.arg(loopback, stems[Loopback]) + signedByUs,
        request + server.arg(QStringLiteral("DNS:lain.qv"), stems[OtherHost]) + signedByUs,
        request + server.arg(loopback, stems[SelfSigned]),
    };
    for (QString command : commands) {
        QProcess openssl;
        openssl.setProcessChannelMode(QProcess::MergedChannels);
        openssl.start(QStringLiteral("openssl"), command.replace(u'@', folder_.path()).split(u' '));
        if (!openssl.waitForFinished(30000) || openssl.exitStatus() != QProcess::NormalExit ||
            openssl.exitCode() != 0) {
            *reason = "openssl " + command + ": " + QString::fromLocal8Bit(openssl.readAll());
            return false;
        }
    }
    return true;
}

QSslCertificate TestCertificates::authority() const {
    return QSslCertificate::fromPath(folder_.filePath(QStringLiteral("authority.pem"))).value(0);
}

QString TestCertificates::file(Server server, const char *suffix) const {
    return folder_.filePath(QLatin1String(stems[server]) + QLatin1String(suffix));
}

QSslCertificate TestCertificates::certificate(Server server) const {
    return QSslCertificate::fromPath(certificateFile(server)).value(0);
}

QSslKey TestCertificates::key(Server server) const {
    QFile file(keyFile(server));
    file.open(QIODevice::ReadOnly);
    return QSslKey(&file, QSsl::Ec);
}
