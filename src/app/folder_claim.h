// The claim a running wizard lays on its folder, so that two wizards never write the same
// work files: a lock file beside them, held for the whole run and removed at its end.
#pragma once

#include <QLockFile>
#include <QString>

class FolderClaim {
public:
    enum class State {
        Held,          // this program holds the folder
        HeldByAnother, // another program that is still running holds it
        NotMade,       // the lock file cannot be made here (a read-only folder, say)
    };

    // The lock file's name; it sorts with the work files DAT.JOV ... DATM4.JOV.
    static constexpr const char *lockFileName = "DAT.LCK";

    // Claims `folder`. A claim left by a program that no longer runs (killed, or the power
    // went) is taken over without asking.
    explicit FolderClaim(const QString &folder);
    // Releases the claim, if this program holds it.
    ~FolderClaim() = default;
    FolderClaim(const FolderClaim &) = delete;
    FolderClaim &operator=(const FolderClaim &) = delete;

    State state() const { return state_; }
    // The full path of the lock file.
    QString lockFilePath() const { return path_; }
    // The process that holds the folder when another does; 0 when unknown.
    qint64 holder() const;

private:
    const QString path_;
    QLockFile lock_;
    State state_;
};
