// Tests of the work files: create, append, read-whole, remove and write failures.
#include "document/work_files.h"
#include "support/work_dir.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

class TestWorkFiles : public QObject {
    Q_OBJECT

private slots:
    void createDiscardsAndAppendAdds();
    void readsTheWholeFileAsBytes();
    void removeAllSkipsMissingFilesAndLeavesOthers();
    void obstacleMakesTheFileFail_data();
    void obstacleMakesTheFileFail();
    void shortWriteIsTakenBack();
};

Q_DECLARE_METATYPE(WorkFile)

void TestWorkFiles::createDiscardsAndAppendAdds() {
    ScopedWorkDir dir;
    dir.write("DAT.JOV", "content of an earlier run\r\n");
    createWorkFile(WorkFile::Document, "\r\nZCZC\r\n");
    QCOMPARE(dir.read("DAT.JOV"), QByteArray("\r\nZCZC\r\n"));
    appendWorkFile(WorkFile::Document, "2. Kontak\r\n");
    QCOMPARE(dir.read("DAT.JOV"), QByteArray("\r\nZCZC\r\n2. Kontak\r\n"));

    // An empty create still leaves an empty file; an append creates a missing one.
    dir.write("DATM1.JOV", "ubah lama.usaha.qv");
    createWorkFile(WorkFile::Subject, QByteArray());
    QVERIFY(dir.exists("DATM1.JOV"));
    QCOMPARE(dir.read("DATM1.JOV").size(), 0);
    appendWorkFile(WorkFile::SenderName, "Budi");
    QCOMPARE(dir.read("DATM4.JOV"), QByteArray("Budi"));
}

void TestWorkFiles::readsTheWholeFileAsBytes() {
    ScopedWorkDir dir;
    // No text-mode translation: CR LF, a lone CR, NUL and Ctrl-Z come back as they are.
    const QByteArray bytes =
        QByteArray("a\r\nb\rc\x1A", 7) + QByteArray(1, '\0') + QByteArray(100000, 'x') + "\x80\xE9";
    dir.write("DAT0.JOV", bytes);
    QCOMPARE(readWorkFile(WorkFile::Trailer), bytes);
    QCOMPARE(readWorkFileText(WorkFile::Trailer).right(2), QStringLiteral("\u20AC\u00E9"));
    dir.write("DATM2.JOV", QByteArray());
    QCOMPARE(readWorkFile(WorkFile::Recipient), QByteArray());
}

void TestWorkFiles::removeAllSkipsMissingFilesAndLeavesOthers() {
    ScopedWorkDir dir;
    // The first, a middle and the last of the six; the others are missing.
    for (const char *name : {"DAT.JOV", "DATM2.JOV", "DATM4.JOV", "dat1.jov", "DATM5.JOV"})
        dir.write(name, "x");
    removeAllWorkFiles();
    for (const char *name : {"DAT.JOV", "DATM2.JOV", "DATM4.JOV"})
        QVERIFY2(!dir.exists(name), name);
    QVERIFY(dir.exists("dat1.jov"));
    QVERIFY(dir.exists("DATM5.JOV"));
    removeAllWorkFiles(); // nothing left to delete
}

// Every way a work file cannot be used: each operation must throw an error naming the file
// and saying whether it was to be written or read, and leave what stands in its place.
void TestWorkFiles::obstacleMakesTheFileFail_data() {
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<WorkFile>("file");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("message"); // how the error's message starts; empty: not checked
    const QString written = QStringLiteral("Berkas kerja DAT.JOV tidak dapat ditulis: ");
    QTest::newRow("directory, create") << "directory" << WorkFile::Document << "create" << written;
    QTest::newRow("directory, append") << "directory" << WorkFile::Document << "append" << written;
    QTest::newRow("directory, read") << "directory" << WorkFile::Document << "read"
                                     << "Berkas kerja DAT.JOV tidak dapat dibaca: ";
    QTest::newRow("full disk, create") << "full disk" << WorkFile::SenderName << "create"
                                       << "";
    QTest::newRow("full disk, append") << "full disk" << WorkFile::SenderName << "append"
                                       << "";
    QTest::newRow("missing, read") << "missing" << WorkFile::Trailer << "read"
                                   << "";
    QTest::newRow("read-only folder, create") << "read-only folder" << WorkFile::Trailer << "create"
                                              << "";
}

void TestWorkFiles::obstacleMakesTheFileFail() {
    QFETCH(QString, obstacle);
    QFETCH(WorkFile, file);
    QFETCH(QString, operation);
    QFETCH(QString, message);
    ScopedWorkDir dir;
    const QString name = workFileName(file);
    if (obstacle == QLatin1String("directory")) {
        QVERIFY(QDir(dir.path()).mkdir(name));
    } else if (obstacle == QLatin1String("full disk")) {
        if (!QFileInfo::exists("/dev/full"))
            QSKIP("this system has no /dev/full to stand for a full disk");
        QVERIFY(QFile::link("/dev/full", dir.filePath(name)));
    } else if (obstacle == QLatin1String("read-only folder")) {
        if (geteuid() == 0)
            QSKIP("running as root: directory permissions do not stop writes");
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    }

    try {
        if (operation == QLatin1String("create"))
            createWorkFile(file, "x\r\n");
        else if (operation == QLatin1String("append"))
            appendWorkFile(file, "x\r\n");
        else
            readWorkFile(file);
        QFAIL("a work file that cannot be used was reported as used");
    } catch (const WorkFileError &error) {
        QCOMPARE(error.file(), file);
        QCOMPARE(QString::fromUtf8(error.what()), error.message());
        QVERIFY2(error.message().startsWith(message), qPrintable(error.message()));
    }
    if (obstacle == QLatin1String("directory"))
        QVERIFY(QFileInfo(dir.filePath(name)).isDir());
    else if (obstacle != QLatin1String("full disk"))
        QVERIFY(!dir.exists(name));
}

void TestWorkFiles::shortWriteIsTakenBack() {
    // A file size limit makes the system write only part of the bytes, even for root.
    ScopedWorkDir dir;
    dir.write("DAT.JOV", QByteArray(50, 'a'));
    rlimit previous{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &previous) == 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = previous;
    limited.rlim_cur = 100;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);

    bool thrown = false;
    try {
        appendWorkFile(WorkFile::Document, QByteArray(200, 'b'));
    } catch (const WorkFileError &error) {
        thrown = error.file() == WorkFile::Document;
    }
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY2(thrown, "a short write was reported as success");
    QCOMPARE(dir.read("DAT.JOV"), QByteArray(50, 'a'));
}

QTEST_MAIN(TestWorkFiles)
#include "tst_work_files.moc"
