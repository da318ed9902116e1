// A temporary work directory that a test runs in: created empty, made current,
// and removed with everything in it when the test is done.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class ScopedWorkDir {
public:
    ScopedWorkDir();
    ~ScopedWorkDir();
    ScopedWorkDir(const ScopedWorkDir &) = delete;
    ScopedWorkDir &operator=(const ScopedWorkDir &) = delete;

    QString path() const { return dir_.path(); }
    QString filePath(const QString &name) const { return dir_.filePath(name); }

    // Whole content of a file in the work directory; an empty array when it is missing.
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};
