// VELD: the domain registration wizard, run in the folder it is started in.
#include "app/program.h"
#include "app/program_run.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    setUpProgram();
    return runInCurrentFolder();
}
