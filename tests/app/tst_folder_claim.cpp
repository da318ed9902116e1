// One wizard per folder: a second program in a folder where one runs is refused and touches
// nothing, a claim left by a killed program is taken over, a folder where no claim can be
// made still runs the wizard, and every way out of a run releases the claim.
#include "app/folder_claim.h"
#include "app/folder_in_use_dialog.h"
#include "app/program_run.h"
#include "mail/send_page.h"
#include "support/gui_fixture.h"
#include "support/quick_start.h"
#include "support/wizard_run.h"
#include "ui/skin_label.h"
#include "wizard/work_file_error_dialog.h"

#include <QApplication>
#include <QDateTime>
#include <QProcess>
#include <QtTest>
#include <functional>

namespace {

const QStringList workFiles{"DAT.JOV",   "DAT0.JOV",  "DATM1.JOV",
                            "DATM2.JOV", "DATM3.JOV", "DATM4.JOV"};
const QString lockName = QLatin1String(FolderClaim::lockFileName);

// The visible top-level window of the type, if there is one.
template <class Window> Window *shown() {
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

template <class Window> bool anyMade() {
    return countTopLevel([](QWidget *widget) { return qobject_cast<Window *>(widget); }) > 0;
}

// Runs the program in the current folder and, once its event loop runs and the window shows,
// hands the window to `drive`, which works it as an applicant would; returns the exit status.
// A run whose window never shows ends after twenty seconds with status 99.
template <class Window> int runDriven(const std::function<void(Window *)> &drive) {
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, qApp, [&] {
        // Showing a window lets pending events run before the event loop does: wait for it.
        Window *window = shown<Window>();
        if (!window || QThread::currentThread()->loopLevel() == 0)
            return;
        poll.stop();
        drive(window);
    });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    poll.start();
    giveUp.start(20000);
    return runInCurrentFolder(quickStart());
}

// Every file of the folder with its bytes and time of last change.
QMap<QString, QPair<QByteArray, QDateTime>> snapshot(const QString &folder) {
    QMap<QString, QPair<QByteArray, QDateTime>> files;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
        QFile file(info.filePath());
        file.open(QIODevice::ReadOnly);
        files.insert(info.fileName(), {file.readAll(), info.lastModified()});
    }
    return files;
}

// The work files of an earlier run, left in place by "Dea&ktifasi".
void writeEarlierRun(const ScopedWorkDir &dir) {
    for (const QString &name : workFiles)
        dir.write(name, "earlier run: " + name.toLatin1() + "\r\n");
}

qint64 lockHolder(const QString &folder) {
    qint64 process = 0;
    QLockFile(QDir(folder).filePath(lockName)).getLockInfo(&process, nullptr, nullptr);
    return process;
}

// Another program holding the folder: this test started again in its holding mode, so the
// claim names a live process of the same program file, as two wizards' claims do.
class Holder {
public:
    explicit Holder(const QString &folder) {
        process.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--hold-claim"), folder});
    }
    ~Holder() {
        process.closeWriteChannel();
        if (!process.waitForFinished(5000))
            process.kill();
        process.waitForFinished();
    }
    // True once it says that it holds the folder.
    bool holds() {
        while (!process.canReadLine())
            if (!process.waitForReadyRead(10000))
                return false;
        return process.readLine() == "held\n";
    }
    // Ends it the ordinary way, through the end of its run.
    bool end() {
        process.closeWriteChannel();
        return process.waitForFinished(5000) && process.exitCode() == 0;
    }
    QProcess process;
};

// The holding mode: claims the folder, says whether it holds it, and keeps the claim until
// its standard input is closed.
int holdClaim(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const FolderClaim claim(QString::fromLocal8Bit(argv[2]));
    QTextStream(stdout) << (claim.state() == FolderClaim::State::Held ? "held" : "refused")
                        << Qt::endl;
    QFile input;
    input.open(stdin, QIODevice::ReadOnly);
    input.readAll();
    return 0;
}

} // namespace

class TestFolderClaim : public QObject {
    Q_OBJECT
private slots:
    void secondProgramIsRefusedAndTouchesNothing_data();
    void secondProgramIsRefusedAndTouchesNothing();
    void claimOfAKilledProgramIsTakenOverWithoutAsking();
    void everyWayOutReleasesTheClaim_data();
    void everyWayOutReleasesTheClaim();
    void folderWithoutAClaimStillRunsTheWizard();
};

void TestFolderClaim::secondProgramIsRefusedAndTouchesNothing_data() {
    QTest::addColumn<bool>("throughButton");
    QTest::newRow("Baiklah..") << true;
    QTest::newRow("close control") << false;
}

void TestFolderClaim::secondProgramIsRefusedAndTouchesNothing() {
    QFETCH(bool, throughButton);
    ScopedWorkDir dir;
    writeEarlierRun(dir);
    Holder other(dir.path());
    QVERIFY(other.holds());
    const auto before = snapshot(dir.path());
    QVERIFY(before.contains(lockName));

    const FolderClaim claim(dir.path());
    QCOMPARE(claim.state(), FolderClaim::State::HeldByAnother);
    QCOMPARE(claim.holder(), other.process.processId());

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("VELD already runs in this folder"));
    bool dialogShown = false;
    const int status = runDriven<FolderInUseDialog>([&](FolderInUseDialog *dialog) {
        if (!waitUntilActive(dialog))
            return QCoreApplication::exit(99);
        dialogShown = !anyMade<frmMain>() && dialog->SkinForm1->CurrentSkin() != nullptr;
        if (throughButton)
            button(dialog, "SkinButton1")->click();
        else
            dialog->close();
    });
    QVERIFY(dialogShown);
    QCOMPARE(status, exitFolderInUse);
    QVERIFY(!anyMade<frmMain>());
    QCOMPARE(snapshot(dir.path()), before);

    // The first program's claim goes with it; the folder is free again.
    QVERIFY(other.end());
    QVERIFY(!dir.exists(lockName));
    QCOMPARE(FolderClaim(dir.path()).state(), FolderClaim::State::Held);
}

void TestFolderClaim::claimOfAKilledProgramIsTakenOverWithoutAsking() {
    ScopedWorkDir dir;
    {
        Holder killed(dir.path());
        QVERIFY(killed.holds());
        killed.process.kill();
        QVERIFY(killed.process.waitForFinished());
    }
    QVERIFY(dir.exists(lockName)); // it had no chance to remove its claim

    bool wizardShown = false;
    const int status = runDriven<frmMain>([&](frmMain *page) {
        wizardShown = !anyMade<FolderInUseDialog>() &&
                      lockHolder(QDir::currentPath()) == QCoreApplication::applicationPid();
        page->mnExit_Click();
    });
    QVERIFY(wizardShown);
    QCOMPARE(status, 0);
    QVERIFY(!dir.exists(lockName));
}

void TestFolderClaim::everyWayOutReleasesTheClaim_data() {
    QTest::addColumn<QString>("wayOut");
    QTest::newRow("Dea&ktifasi") << QStringLiteral("menu");
    QTest::newRow("page I's close control") << QStringLiteral("close");
    QTest::newRow("Selesai") << QStringLiteral("Selesai");
}

void TestFolderClaim::everyWayOutReleasesTheClaim() {
    QFETCH(QString, wayOut);
    ScopedWorkDir dir;
    bool claimedWhileRunning = false;
    const int status = runDriven<frmMain>([&](frmMain *page) {
        claimedWhileRunning = lockHolder(dir.path()) == QCoreApplication::applicationPid();
        if (wayOut == QLatin1String("menu"))
            return page->mnExit_Click();
        if (wayOut == QLatin1String("close")) {
            page->close();
            return;
        }
        // Through every page to the send page, NS records on the way.
        completePage(page);
        completePage(shown<Form2>());
        button(shown<Form4>(), "SkinButton1")->click();
        completePage(shown<Form5>());
        completePage(shown<Form7>());
        frmMail *send = shown<frmMail>();
        if (!send || !dir.exists("DATM4.JOV"))
            return QCoreApplication::exit(99);
        button(send, "SkinButton2")->click(); // "Selesai"
    });
    QVERIFY(claimedWhileRunning);
    QCOMPARE(status, 0);
    QVERIFY(!dir.exists(lockName));
    if (wayOut == QLatin1String("Selesai"))
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

void TestFolderClaim::folderWithoutAClaimStillRunsTheWizard() {
    // Nothing can be made in /proc, not even by root, who may write into any folder that only
    // its permission bits protect.
    const QString unwritable = QStringLiteral("/proc");
    QCOMPARE(FolderClaim(unwritable).state(), FolderClaim::State::NotMade);

    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(unwritable));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot make /proc/DAT.LCK"));
    bool workFileErrorShown = false;
    const int status = runDriven<frmMain>([&](frmMain *page) {
        completePage(page);
        auto *error = shown<WorkFileErrorDialog>();
        workFileErrorShown =
            error && !anyMade<Form2>() &&
            control<SkinLabel>(error, "SkinLabel2")->text().contains("tidak dapat ditulis");
        page->mnExit_Click();
    });
    QDir::setCurrent(previous);
    QVERIFY(workFileErrorShown);
    QCOMPARE(status, 0);
}

int main(int argc, char **argv) {
    if (argc == 3 && qstrcmp(argv[1], "--hold-claim") == 0)
        return holdClaim(argc, argv);
    QApplication app(argc, argv);
    TestFolderClaim test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_folder_claim.moc"
