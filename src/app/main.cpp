// VELD: the domain registration wizard. Starts the window set with the main window.
#include "wizard/main_window.h"
#include "wizard/program.h"
#include "wizard/window_set.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    setUpProgram();
    WindowSet windows;
    windows.frmMain.get();
    return QApplication::exec();
}
