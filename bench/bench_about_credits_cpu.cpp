// Benchmark: processor time the credits roll and an idle about box use, beside an idle
// bare Qt window over the same span. The roll redraws 24 times a second and the about
// box types a letter every 1750 ms; both should stay close to the bare window.
// Usage: bench_about_credits_cpu [seconds per span, default 10]
#include "extras/about_box.h"
#include "extras/credits_roll.h"
#include "wizard/main_window.h"
#include "wizard/window_set.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// Runs the event loop for the span and returns the processor time it took, in ms.
double processorMillisecondsOver(int milliseconds) {
    const std::clock_t start = std::clock();
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    return 1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC;
}

void settle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int span = 1000 * std::max(1, argc > 1 ? std::atoi(argv[1]) : 10);

    QWidget bare;
    bare.resize(480, 360);
    bare.show();
    settle(1000);
    const double bareMs = processorMillisecondsOver(span);
    bare.hide();

    StartupOptions options;
    options.splashMilliseconds = 0;
    WindowSet windows(options);
    frmMain *page = windows.frmMain.get();
    settle(2500); // page I's entrance
    page->mnAbout_Click();
    settle(2500); // the about box's entrance
    const double aboutMs = processorMillisecondsOver(span);

    windows.frmAbout.get()->SkinButton2_Click();
    settle(500);
    const bool rolling = windows.FormCredits.loaded() && windows.FormCredits.get()->isRolling();
    const double creditsMs = processorMillisecondsOver(span);

    // A bare window may use next to nothing; measure against at least one millisecond.
    const double base = std::max(bareMs, 1.0);
    std::printf("bench_about_credits_cpu: processor time over %d s of each\n", span / 1000);
    std::printf("  bare Qt window      %8.1f ms  %5.2f %% of a core\n", bareMs,
                100 * bareMs / span);
    std::printf("  idle about box      %8.1f ms  %5.2f %% of a core  ratio %6.1f\n", aboutMs,
                100 * aboutMs / span, aboutMs / base);
    std::printf("  credits roll%s %8.1f ms  %5.2f %% of a core  ratio %6.1f\n",
                rolling ? "       " : " (idle)", creditsMs, 100 * creditsMs / span,
                creditsMs / base);
    windows.End();
    return 0;
}
