#include "smtp_secret.h"

#include <QStringEncoder>
#include <algorithm>
#include <cstring>

namespace {

// Base64 of `bytes` written at `out`; returns the end of what it wrote.
char *base64Into(QByteArrayView bytes, char *out) {
    static constexpr char alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    const auto byte = [&bytes](qsizetype i) { return uint(uchar(bytes[i])); };
    qsizetype i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const uint group = byte(i) << 16 | byte(i + 1) << 8 | byte(i + 2);
        for (int shift : {18, 12, 6, 0})
            *out++ = alphabet[(group >> shift) & 63];
    }
    if (const qsizetype left = bytes.size() - i; left > 0) {
        const uint group = byte(i) << 16 | (left == 2 ? byte(i + 1) << 8 : 0);
        *out++ = alphabet[group >> 18];
        *out++ = alphabet[(group >> 12) & 63];
        *out++ = left == 2 ? alphabet[(group >> 6) & 63] : '=';
        *out++ = '=';
    }
    return out;
}

// `prefix`, the base64 of `bytes` and CR LF, in a buffer made to size at once.
QByteArray encodedLine(QByteArrayView prefix, QByteArrayView bytes) {
    QByteArray line(prefix.size() + (bytes.size() + 2) / 3 * 4 + 2, Qt::Uninitialized);
    char *end = base64Into(bytes, std::copy(prefix.begin(), prefix.end(), line.data()));
    *end++ = '\r';
    *end = '\n';
    return line;
}

} // namespace

void wipe(QByteArray &bytes) {
    if (bytes.data_ptr().isMutable())
        std::memset(const_cast<char *>(bytes.constData()), 0, size_t(bytes.size()));
}

void wipe(QString &text) {
    if (text.data_ptr().isMutable())
        std::fill_n(const_cast<QChar *>(text.constData()), text.size(), QChar());
}

SmtpSecret::SmtpSecret(QStringView user, QStringView password) {
    QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    bytes_.resize(2 + utf8.requiredSpace(user.size()) + utf8.requiredSpace(password.size()));
    char *const start = bytes_.data();
    char *at = start;
    *at++ = '\0';
    at = utf8.appendToBuffer(at, user);
    userEnd_ = at - start;
    *at++ = '\0';
    at = utf8.appendToBuffer(at, password);
    // Only the size shrinks: the bytes stay in the buffer that is wiped.
    std::memset(at, 0, size_t(bytes_.size() - (at - start)));
    bytes_.truncate(at - start);
}

SmtpSecret::~SmtpSecret() {
    wipe(bytes_);
}

QByteArray SmtpSecret::plainLine() const {
    return encodedLine("AUTH PLAIN ", bytes_);
}

QByteArray SmtpSecret::userLine() const {
    return encodedLine({}, QByteArrayView(bytes_).sliced(1, userEnd_ - 1));
}

QByteArray SmtpSecret::passwordLine() const {
    return encodedLine({}, QByteArrayView(bytes_).sliced(userEnd_ + 1));
}
