#include "program.h"

#include "veld_version.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QIconEngine>

namespace {

// The program's icon in every size that is compiled in. The pictures are read only when
// something first asks for the icon: X11 takes every size as a window is first shown, while
// other platforms take one size or none at all, and decoding them all cost a tenth of the
// start-up. Once read, the icon is the one Qt makes of the files.
class ProgramIconEngine : public QIconEngine {
public:
    QIconEngine *clone() const override { return new ProgramIconEngine(*this); }
    bool isNull() override { return icon().isNull(); }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    // The size comes in device pixels, already multiplied by the scale, and QIcon::pixmap
    // multiplies it again: the inner icon is asked for the size before the scale.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(scale > 1.0 ? size / scale : size, scale, mode, state);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

private:
    const QIcon &icon() {
        if (!read_) {
            read_ = true;
            QDirIterator files(QStringLiteral(":/icon"), {QStringLiteral("veld.png")}, QDir::Files,
                               QDirIterator::Subdirectories);
            while (files.hasNext())
                icon_.addFile(files.next());
        }
        return icon_;
    }

    QIcon icon_;
    bool read_ = false;
};

} // namespace

void setUpProgram() {
    QApplication::setApplicationName(QStringLiteral("VELD"));
    QApplication::setApplicationVersion(QLatin1String(program::version));
    // Lets desktops match the windows to the installed menu entry, qv.kavronet.veld.desktop.
    QApplication::setDesktopFileName(QStringLiteral("qv.kavronet.veld"));
    QApplication::setWindowIcon(QIcon(new ProgramIconEngine));
    // The run ends through the wizard's own commands, never because a window was hidden.
    QApplication::setQuitOnLastWindowClosed(false);
}
