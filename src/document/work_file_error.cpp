// The error raised when a work file cannot be written or read.
#include "work_file_error.h"

#include "work_files.h"

WorkFileError::WorkFileError(WorkFile file, const QString &message)
    : std::runtime_error(message.toStdString()), file_(file), message_(message) {}
