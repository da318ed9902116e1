// Certificates made for a test by the openssl command, in a temporary folder: an authority
// of our own, server certificates it signs, and one the server signs itself.
#pragma once

#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <QTemporaryDir>

class TestCertificates {
public:
    enum Server {
        Loopback,   // localhost, 127.0.0.1 and ::1, signed by our authority
        OtherHost,  // lain.qv only, signed by our authority
        SelfSigned, // localhost, 127.0.0.1 and ::1, signed by itself
    };

    // Makes them all; false with the reason when openssl cannot.
    bool make(QString *reason);

    QSslCertificate authority() const;
    QString certificateFile(Server server) const { return file(server, ".pem"); }
    QString keyFile(Server server) const { return file(server, ".key"); }
    QSslCertificate certificate(Server server) const;
    QSslKey key(Server server) const;

private:
    QString file(Server server, const char *suffix) const;

    QTemporaryDir folder_;
};
