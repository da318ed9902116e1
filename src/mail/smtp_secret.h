// A login's user name and password for one send, and the lines that carry them to the
// server: kept in buffers of their own that are zeroed where they lie, never passed through a
// QString or a temporary copy.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Zeroes the bytes or characters in place, in the one buffer every copy of them shares: a
// copy that detached first would leave the original untouched. Text that lives in the
// program's read-only data holds no secret and is left as it is.
void wipe(QByteArray &bytes);
void wipe(QString &text);

class SmtpSecret {
public:
    SmtpSecret(QStringView user, QStringView password);
    ~SmtpSecret();
    SmtpSecret(const SmtpSecret &) = delete;
    SmtpSecret &operator=(const SmtpSecret &) = delete;

    // "AUTH PLAIN " and the base64 of NUL, user, NUL, password, then CR LF.
    QByteArray plainLine() const;
    // The base64 of the user name, and of the password, each with CR LF: the answers of an
    // AUTH LOGIN exchange.
    QByteArray userLine() const;
    QByteArray passwordLine() const;

private:
    QByteArray bytes_; // NUL, the user name, NUL, the password, in UTF-8
    qsizetype userEnd_ = 0;
};
