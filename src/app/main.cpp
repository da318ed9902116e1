// VELD: the domain registration wizard. Starts the window set with the main window.
#include "app/program.h"
#include "app/window_set.h"
#include "wizard/main_window.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    setUpProgram();
    WindowSet windows;
    windows.frmMain.get();
    return QApplication::exec();
}
