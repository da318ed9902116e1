#include "folder_claim.h"

#include <QDir>

namespace {

FolderClaim::State claim(QLockFile &lock) {
    // A wizard may stay open for days: only a holder that no longer runs makes a claim
    // stale, never its age.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0))
        return FolderClaim::State::Held;
    return lock.error() == QLockFile::LockFailedError ? FolderClaim::State::HeldByAnother
                                                      : FolderClaim::State::NotMade;
}

} // namespace

FolderClaim::FolderClaim(const QString &folder)
    : path_(QDir(folder).absoluteFilePath(QLatin1String(lockFileName))), lock_(path_),
      state_(claim(lock_)) {}

qint64 FolderClaim::holder() const {
    qint64 process = 0;
    if (state_ != State::HeldByAnother || !lock_.getLockInfo(&process, nullptr, nullptr))
        return 0;
    return process;
}
