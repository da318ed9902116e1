// Benchmark: start-up to the first painted page I, and resident memory once started, each
// beside a bare Qt window with one label. Both start as processes of their own, in turns;
// page I starts as the program does, only the splash screen's wait is skipped.
// Usage: bench_startup [rounds, default 5]
#include "app/program.h"
#include "app/window_set.h"
#include "bench_table.h"
#include "wizard/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTimer>
#include <memory>

namespace {

// Resident memory of this process in MiB, from the kernel's own account.
double residentMebibytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// The started process: tells the moment its window is first painted, then, once it has
// settled, its resident memory; then ends.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QString windowName) : windowName_(std::move(windowName)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window()->objectName() == windowName_) {
            painted_ = true;
            // Told once the whole frame is painted and handed on.
            QTimer::singleShot(0, [] {
                std::printf("painted\n");
                std::fflush(stdout);
            });
            QTimer::singleShot(2000, [] {
                std::printf("%.3f\n", residentMebibytes());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    const QString windowName_;
    bool painted_ = false;
};

int runStarted(int argc, char **argv, bool veld) {
    QApplication app(argc, argv);
    FirstPaint firstPaint(veld ? QStringLiteral("frmMain") : QStringLiteral("bare"));
    app.installEventFilter(&firstPaint);
    std::unique_ptr<WindowSet> windows;
    std::unique_ptr<QWidget> bare;
    if (veld) {
        // As the program's main() starts it, with the splash screen's wait set to none.
        setUpProgram();
        StartupOptions options;
        options.splashMilliseconds = 0;
        windows = std::make_unique<WindowSet>(options);
        windows->frmMain.get();
    } else {
        bare = std::make_unique<QWidget>();
        bare->setObjectName(QStringLiteral("bare"));
        auto *label = new QLabel(QStringLiteral("Velda"), bare.get());
        label->move(20, 20);
        bare->resize(480, 360);
        bare->show();
    }
    return QApplication::exec();
}

struct Start {
    double milliseconds = 0;
    double mebibytes = 0;
};

// Starts this program again as `kind` and waits for its two lines.
bool measureStart(const QString &kind, Start *start) {
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice()); // the platform's chatter
    QElapsedTimer clock;
    clock.start();
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--started"), kind});
    while (!process.canReadLine())
        if (!process.waitForReadyRead(30000))
            return false;
    start->milliseconds = clock.nsecsElapsed() / 1e6;
    if (process.readLine().trimmed() != "painted")
        return false;
    while (!process.canReadLine())
        if (!process.waitForReadyRead(30000))
            return false;
    start->mebibytes = process.readLine().trimmed().toDouble();
    return process.waitForFinished(10000) && process.exitCode() == 0;
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && QByteArray(argv[1]) == "--started")
        return runStarted(argc, argv, QByteArray(argv[2]) == "veld");

    QCoreApplication app(argc, argv);
    const int rounds = std::max(1, argc > 1 ? std::atoi(argv[1]) : 5);
    std::vector<double> veldMs, bareMs, veldMiB, bareMiB;
    for (int round = 0; round < rounds; ++round) {
        Start veld, bare;
        if (!measureStart(QStringLiteral("veld"), &veld) ||
            !measureStart(QStringLiteral("bare"), &bare)) {
            std::fprintf(stderr, "bench_startup: a started process did not report\n");
            return 1;
        }
        veldMs.push_back(veld.milliseconds);
        bareMs.push_back(bare.milliseconds);
        veldMiB.push_back(veld.mebibytes);
        bareMiB.push_back(bare.mebibytes);
    }
    printBenchRow("start-up to first painted page I", median(veldMs), median(bareMs), "ms",
                  "bare window, one label");
    printBenchRow("resident memory after start-up", median(veldMiB), median(bareMiB), "MiB",
                  "bare window, one label");
    return 0;
}
