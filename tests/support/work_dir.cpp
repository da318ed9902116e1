#include "work_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ScopedWorkDir::ScopedWorkDir() : previous_(QDir::currentPath()) {
    QDir::setCurrent(dir_.path());
}

ScopedWorkDir::~ScopedWorkDir() {
    QDir::setCurrent(previous_);
    // A test may have left a read-only directory behind; make it removable again.
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QByteArray ScopedWorkDir::read(const QString &name) const {
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool ScopedWorkDir::exists(const QString &name) const {
    return QFileInfo::exists(filePath(name));
}

void ScopedWorkDir::write(const QString &name, const QByteArray &bytes) const {
    QFile file(filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}
