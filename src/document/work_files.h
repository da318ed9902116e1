// The six work files of the registration document in the current directory: their names
// the create, append and read-whole operations on one of them, and the removal of all six.
#pragma once

#include "work_file_error.h"

#include <QByteArray>
#include <QString>

enum class WorkFile { Document, Trailer, Subject, Recipient, SenderAddress, SenderName };

// The file's name, the one spelling used for writing, reading and deleting.
QString workFileName(WorkFile file);

// Each write puts the whole of the bytes into the file at once. A file that cannot be
// opened, written completely or closed throws WorkFileError; bytes of a failed write are
// taken back out of the file as far as the system lets us.

// Creates the file anew: old content is discarded.
void createWorkFile(WorkFile file, const QByteArray &bytes);
// Adds the bytes at the end of the file, creating it when it is missing.
void appendWorkFile(WorkFile file, const QByteArray &bytes);
// The whole content of the file; a missing or unreadable file throws WorkFileError.
QByteArray readWorkFile(WorkFile file);
// The whole content decoded from the work files' code page.
QString readWorkFileText(WorkFile file);
// Deletes the six work files, DAT.JOV first and DATM4.JOV last. A file that is missing, or
// cannot be deleted, is passed over and the others still go.
void removeAllWorkFiles();
