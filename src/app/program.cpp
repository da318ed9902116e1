#include "program.h"

#include "veld_version.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>

namespace {

// The program's icon in every size that is compiled in.
QIcon programIcon() {
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icon"), {QStringLiteral("veld.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

} // namespace

void setUpProgram() {
    QApplication::setApplicationName(QStringLiteral("VELD"));
    QApplication::setApplicationVersion(QLatin1String(program::version));
    // Lets desktops match the windows to the installed menu entry, qv.kavronet.veld.desktop.
    QApplication::setDesktopFileName(QStringLiteral("qv.kavronet.veld"));
    QApplication::setWindowIcon(programIcon());
    // The run ends through the wizard's own commands, never because a window was hidden.
    QApplication::setQuitOnLastWindowClosed(false);
}
