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
    void directoryInTheFilesPlaceFails();
    void fullDiskFails();
    void shortWriteIsTakenBack();
    void readOnlyDirectoryFails();
    void missingFileCannotBeRead();
};

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

void TestWorkFiles::directoryInTheFilesPlaceFails() {
    ScopedWorkDir dir;
    QVERIFY(QDir(dir.path()).mkdir("DAT.JOV"));

    try {
        createWorkFile(WorkFile::Document, "x\r\n");
        QFAIL("creating over a directory reported success");
    } catch (const WorkFileError &error) {
        QCOMPARE(error.file(), WorkFile::Document);
        QVERIFY2(error.message().startsWith("Berkas kerja DAT.JOV tidak dapat ditulis: "),
                 qPrintable(error.message()));
        QCOMPARE(QString::fromUtf8(error.what()), error.message());
    }
    QVERIFY_THROWS_EXCEPTION(WorkFileError, appendWorkFile(WorkFile::Document, "x\r\n"));
    try {
        readWorkFile(WorkFile::Document);
        QFAIL("reading a directory reported success");
    } catch (const WorkFileError &error) {
        QVERIFY2(error.message().startsWith("Berkas kerja DAT.JOV tidak dapat dibaca: "),
                 qPrintable(error.message()));
    }
    QVERIFY(QFileInfo(dir.filePath("DAT.JOV")).isDir());
}

void TestWorkFiles::fullDiskFails() {
    if (!QFileInfo::exists("/dev/full"))
        QSKIP("this system has no /dev/full to stand for a full disk");
    ScopedWorkDir dir;
    QVERIFY(QFile::link("/dev/full", dir.filePath("DATM4.JOV")));
    QVERIFY_THROWS_EXCEPTION(WorkFileError, createWorkFile(WorkFile::SenderName, "Budi"));
    QVERIFY_THROWS_EXCEPTION(WorkFileError, appendWorkFile(WorkFile::SenderName, "Budi"));
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

void TestWorkFiles::readOnlyDirectoryFails() {
    if (geteuid() == 0)
        QSKIP("running as root: directory permissions do not stop writes");
    ScopedWorkDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY_THROWS_EXCEPTION(WorkFileError, createWorkFile(WorkFile::Trailer, "\r\n"));
    QVERIFY(!dir.exists("DAT0.JOV"));
}

void TestWorkFiles::missingFileCannotBeRead() {
    ScopedWorkDir dir;
    QVERIFY_THROWS_EXCEPTION(WorkFileError, readWorkFile(WorkFile::Trailer));
}

QTEST_MAIN(TestWorkFiles)
#include "tst_work_files.moc"
