// The error raised when a work file cannot be written or read.
#pragma once

#include <QString>
#include <stdexcept>

enum class WorkFile;

// Carries the work file that failed and a message for the applicant, in the program's
// own language, that names the file and the system's reason.
class WorkFileError : public std::runtime_error {
public:
    WorkFileError(WorkFile file, const QString &message);

    WorkFile file() const { return file_; }
    QString message() const { return message_; }

private:
    WorkFile file_;
    QString message_;
};
