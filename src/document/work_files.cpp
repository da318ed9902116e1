// The six work files of the registration document in the current directory.
#include "work_files.h"

#include "code_page.h"

#include <QFile>

namespace {

[[noreturn]] void throwWriteError(WorkFile which, const QString &reason) {
    throw WorkFileError(
        which,
        QStringLiteral("Berkas kerja %1 tidak dapat ditulis: %2").arg(workFileName(which), reason));
}

[[noreturn]] void throwReadError(WorkFile which, const QString &reason) {
    throw WorkFileError(
        which,
        QStringLiteral("Berkas kerja %1 tidak dapat dibaca: %2").arg(workFileName(which), reason));
}

// Opens the file in the given mode and writes all bytes in one unbuffered write, so a
// short write or a full disk shows up here and not in a later flush.
void writeWhole(WorkFile which, QIODevice::OpenMode mode, const QByteArray &bytes) {
    QFile file(workFileName(which));
    if (!file.open(mode | QIODevice::WriteOnly | QIODevice::Unbuffered))
        throwWriteError(which, file.errorString());
    const qint64 sizeBefore = file.size();

    const qint64 written = bytes.isEmpty() ? 0 : file.write(bytes);
    if (written != bytes.size()) {
        const QString reason = written < 0 || file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QStringLiteral("hanya %1 dari %2 byte yang tertulis")
                                         .arg(written)
                                         .arg(bytes.size());
        // Leave no part of the section behind; a device that cannot be resized keeps what it has.
        file.resize(sizeBefore);
        throwWriteError(which, reason);
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        throwWriteError(which, file.errorString());
}

} // namespace

QString workFileName(WorkFile file) {
    switch (file) {
    case WorkFile::Document:
        return QStringLiteral("DAT.JOV");
    case WorkFile::Trailer:
        return QStringLiteral("DAT0.JOV");
    case WorkFile::Subject:
        return QStringLiteral("DATM1.JOV");
    case WorkFile::Recipient:
        return QStringLiteral("DATM2.JOV");
    case WorkFile::SenderAddress:
        return QStringLiteral("DATM3.JOV");
    case WorkFile::SenderName:
        return QStringLiteral("DATM4.JOV");
    }
    Q_UNREACHABLE();
}

void createWorkFile(WorkFile file, const QByteArray &bytes) {
    writeWhole(file, QIODevice::Truncate, bytes);
}

void appendWorkFile(WorkFile file, const QByteArray &bytes) {
    writeWhole(file, QIODevice::Append, bytes);
}

QByteArray readWorkFile(WorkFile which) {
    QFile file(workFileName(which));
    if (!file.open(QIODevice::ReadOnly))
        throwReadError(which, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throwReadError(which, file.errorString());
    return bytes;
}

QString readWorkFileText(WorkFile file) {
    return fromWindows1252(readWorkFile(file));
}

void removeAllWorkFiles() {
    for (WorkFile file : {WorkFile::Document, WorkFile::Trailer, WorkFile::Subject,
                          WorkFile::Recipient, WorkFile::SenderAddress, WorkFile::SenderName})
        QFile::remove(workFileName(file));
}
