// Benchmark: processor time over idle spans of the windows that keep moving on their own
// (page III's and the send page's scrolling hints, the about box's typewriter, the credits
// roll), each beside an idle bare Qt window over a span of the same length; the hints also
// beside a bare strip of their size that a timer repaints as often as they move.
// Usage: bench_idle_cpu [seconds per span, default 10]
#include "bench_table.h"
#include "extras/about_box.h"
#include "extras/credits_roll.h"
#include "mail/send_page.h"
#include "support/quick_start.h"
#include "support/wizard_run.h"
#include "support/work_dir.h"
#include "ui/twips.h"

#include <QAccessible>
#include <QApplication>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <ctime>

namespace {

void settle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop for the span and returns the processor time it took, in ms.
double processorMillisecondsOver(int milliseconds) {
    const std::clock_t start = std::clock();
    settle(milliseconds);
    return 1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC;
}

// A strip that a timer fills anew every 25 ms, as often as the hints move: the least that
// any strip repainted at that pace costs on this machine and display.
class BareStrip : public QWidget {
public:
    explicit BareStrip(QWidget *parent) : QWidget(parent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        connect(&timer_, &QTimer::timeout, this, [this] {
            ++ticks_;
            repaint();
        });
        timer_.start(25);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter(this).fillRect(rect(), ticks_ % 2 ? Qt::white : Qt::lightGray);
    }

private:
    QTimer timer_;
    int ticks_ = 0;
};

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int span = 1000 * std::max(1, argc > 1 ? std::atoi(argv[1]) : 10);
    const QByteArray spanText = QByteArray::number(span / 1000) + " s";

    QWidget bare;
    bare.resize(480, 360);
    bare.show();
    settle(1000);
    const double bareMs = processorMillisecondsOver(span);
    // The strip of page III's hints, 3975 by 255 twips.
    auto *strip = new BareStrip(&bare);
    strip->setGeometry(twipsRect(840, 2520, 3975, 255, strip));
    strip->show();
    const double stripMs = processorMillisecondsOver(span);
    bare.hide();
    delete strip;
    // Where it ran: offscreen, or on an X server, with the accessibility bus when one is up.
    const QByteArray where = QGuiApplication::platformName() == QLatin1String("offscreen")
                                 ? "offscreen"
                             : QAccessible::isActive() ? "X11+AT-SPI"
                                                       : "X11";
    auto measurement = [&](const char *what) {
        return QByteArray("CPU " + spanText + ", " + what + ", " + where);
    };
    auto row = [&](const char *what, double veldMs) {
        printBenchRow(measurement(what).constData(), veldMs, bareMs, "ms", "bare window, idle");
    };
    auto stripRow = [&](const char *what, double veldMs) {
        printBenchRow(measurement(what).constData(), veldMs, stripMs, "ms",
                      "bare strip, 25 ms paints");
    };

    ScopedWorkDir work; // the pages write their work files here
    WindowSet windows(quickStart());
    frmMain *pageOne = windows.frmMain.get();
    settle(2500); // page I's entrance
    pageOne->mnAbout_Click();
    settle(2500); // the about box's entrance
    row("about box", processorMillisecondsOver(span));
    windows.frmAbout.get()->SkinButton2_Click();
    settle(500);
    if (!windows.FormCredits.loaded() || !windows.FormCredits.get()->isRolling()) {
        std::fprintf(stderr, "bench_idle_cpu: the credits do not roll\n");
        return 1;
    }
    row("credits roll", processorMillisecondsOver(span));
    windows.FormCredits.get()->SkinButton1_Click();
    windows.frmAbout.get()->SkinButton1_Click();

    reachPage(windows, QStringLiteral("Form4"));
    settle(2500);
    stripRow("page III hints", processorMillisecondsOver(span));
    windows.Form4.get()->SkinButton1->click();
    completePage(windows.Form5.get());
    completePage(windows.Form7.get());
    if (!windows.frmMail.loaded()) {
        std::fprintf(stderr, "bench_idle_cpu: the send page did not open\n");
        return 1;
    }
    settle(2500);
    stripRow("send page hints", processorMillisecondsOver(span));
    windows.End();
    return 0;
}
