// The installed program, checked where it was installed: check_install.cmake copies this test
// into the bin/ folder of a fresh installation and runs it from a folder elsewhere.
#include "support/quick_start.h"
#include "support/windows.h"
#include "support/wizard_walk.h"
#include "support/work_dir.h"
#include "ui/rtf_reader.h"
#include "wizard/information_viewer.h"
#include "wizard/main_window.h"

#include <QImage>
#include <QProcess>
#include <QTextDocument>
#include <QtTest>

class TestInstalledProgram : public QObject {
    Q_OBJECT
private slots:
    void helpTopicsAreFoundBesideTheProgramFromAnyFolder();
    void programStartsInAnotherFolderAndWritesNoWorkFile();
    void iconsHaveTheSizeOfTheirFolder();
    void menuEntryNamesTheInstalledProgramAndIcon();

private:
    static QString installed(const QString &path) {
        return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../" + path);
    }
};

void TestInstalledProgram::helpTopicsAreFoundBesideTheProgramFromAnyFolder() {
    ScopedWorkDir elsewhere; // an empty current folder: no topic of its own
    WindowSet windows(quickStart());
    button(windows.frmMain.get(), "SkinButton2")->click(); // "Informasi"
    Form13 *viewer = windows.Form13.get();
    QVERIFY(waitUntilActive(viewer));

    for (int topic = 1; topic <= 7; ++topic) {
        control<QAbstractButton>(viewer, topic <= 6 ? QStringLiteral("Check%1").arg(topic)
                                                    : QStringLiteral("SkinButton1"))
            ->click();
        QFile file(installed(QStringLiteral("share/veld/dat%1.jov").arg(topic)));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QTextDocument expected;
        RtfReader::read(file.readAll(), &expected);
        QVERIFY(!expected.toPlainText().isEmpty());
        QCOMPARE(
            control<RichTextBox>(viewer, QStringLiteral("RichTextBox%1").arg(topic))->toPlainText(),
            expected.toPlainText());
    }
}

void TestInstalledProgram::programStartsInAnotherFolderAndWritesNoWorkFile() {
    ScopedWorkDir elsewhere;
    QProcess program;
    program.setWorkingDirectory(elsewhere.path());
    program.start(installed(QStringLiteral("bin/veld")), {});
    QVERIFY(program.waitForStarted());
    // It keeps running (waiting for the applicant) rather than failing at start-up, and has
    // laid its claim on the folder but written no work file.
    QVERIFY2(!program.waitForFinished(3000), program.readAllStandardError().constData());
    const QStringList files = QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden);
    program.kill();
    program.waitForFinished();
    QCOMPARE(files, QStringList{QStringLiteral("DAT.LCK")});
}

void TestInstalledProgram::iconsHaveTheSizeOfTheirFolder() {
    const QDir theme(installed(QStringLiteral("share/icons/hicolor")));
    QVERIFY(QFileInfo(theme.filePath("scalable/apps/veld.svg")).size() > 0);
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = theme.filePath(QStringLiteral("%1x%1/apps/veld.png").arg(size));
        const QImage icon(path);
        QVERIFY2(!icon.isNull(), qPrintable(path));
        QCOMPARE(icon.size(), QSize(size, size));
    }
}

void TestInstalledProgram::menuEntryNamesTheInstalledProgramAndIcon() {
    QFile entry(installed(QStringLiteral("share/applications/qv.kavronet.veld.desktop")));
    QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(entry.readAll()).split('\n');
    QVERIFY(lines.contains(QStringLiteral("Exec=veld")));
    QVERIFY(lines.contains(QStringLiteral("Icon=veld")));
    QVERIFY(QFileInfo(installed(QStringLiteral("bin/veld"))).isExecutable());
}

QTEST_MAIN(TestInstalledProgram)
#include "tst_installed_program.moc"
