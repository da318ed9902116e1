#include "program_run.h"

#include "document/log_categories.h"
#include "folder_claim.h"
#include "folder_in_use_dialog.h"
#include "wizard/main_window.h"

#include <QApplication>
#include <QDir>

namespace {

int refuse(const FolderClaim &claim) {
    qCWarning(veldApp,
              "VELD already runs in this folder (process %lld holds %s); this one ends "
              "without touching it",
              claim.holder(), qUtf8Printable(claim.lockFilePath()));
    FolderInUseDialog dialog;
    QObject::connect(&dialog, &FolderInUseDialog::dismissed, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    dialog.Show();
    QApplication::exec();
    return exitFolderInUse;
}

} // namespace

int runInCurrentFolder(const StartupOptions &options) {
    const FolderClaim claim(QDir::currentPath());
    if (claim.state() == FolderClaim::State::HeldByAnother)
        return refuse(claim);
    if (claim.state() == FolderClaim::State::NotMade)
        // Page I reports the folder itself when it cannot write its work files there.
        qCWarning(veldApp, "cannot make %s; running without a claim on the folder",
                  qUtf8Printable(claim.lockFilePath()));

    WindowSet windows(options);
    windows.frmMain.get();
    return QApplication::exec();
}
