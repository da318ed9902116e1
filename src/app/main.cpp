// VELD: the domain registration wizard. Starts the window set with the main window.
#include "wizard/main_window.h"
#include "wizard/window_set.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VELD"));
    QApplication::setApplicationVersion(QStringLiteral("1.03"));
    // The run ends through the wizard's own commands, never because a window was hidden.
    QApplication::setQuitOnLastWindowClosed(false);

    WindowSet windows;
    windows.frmMain.get();
    return QApplication::exec();
}
