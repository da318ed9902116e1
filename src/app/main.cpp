// VELD: the domain registration wizard. Starts the window set with the main window.
#include "wizard/main_window.h"
#include "wizard/window_set.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>

// The program's icon in every size that is compiled in.
static QIcon programIcon() {
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icon"), {QStringLiteral("veld.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VELD"));
    QApplication::setApplicationVersion(QStringLiteral("1.03"));
    // Lets desktops match the windows to the installed menu entry, veld.desktop.
    QApplication::setDesktopFileName(QStringLiteral("veld"));
    QApplication::setWindowIcon(programIcon());
    // The run ends through the wizard's own commands, never because a window was hidden.
    QApplication::setQuitOnLastWindowClosed(false);

    WindowSet windows;
    windows.frmMain.get();
    return QApplication::exec();
}
