// Tests of page I's files: the document's head and section 1, trailer, subject and recipient,
// compared byte for byte with the whole files as they must stand on disk.
#include "document/domain_section.h"
#include "document/work_files.h"
#include "support/work_dir.h"

#include <QDir>
#include <QTest>

using Status = DomainInformation::Status;
Q_DECLARE_METATYPE(DomainInformation)
Q_DECLARE_METATYPE(WorkFile)

namespace {

DomainInformation sampleInformation(Status status, const QString &zone) {
    DomainInformation information;
    information.status = status;
    information.domainName = "tokobuku";
    information.zoneText = zone;
    information.organisation = "PT Toko Buku Sejahtera";
    information.description = "Penjualan buku daring";
    information.identity = "NPWP 01.234.567.8-901";
    information.quickContact = "0812 555 0101";
    return information;
}

// DAT.JOV of the sample: the head (with the ZCZC line of the registry's tag, none without
// one), then section 1 with the given status and domain lines and the description.
QByteArray sampleDocument(const QByteArray &tag, const QByteArray &status, const QByteArray &domain,
                          const QByteArray &description = "Penjualan buku daring\r\n") {
    const QByteArray zczc =
        tag.isEmpty() ? ""
                      : "ZCZC RDV" + tag + " $Revision 3.1 $ Baris INI JANGAN DIHAPUS !!!!!!!!\r\n";
    return "\r\n" + zczc + QByteArray(71, '-') + "\r\n\r\n1. Informasi Domain\r\n" +
           (status.isEmpty() ? "" : "1a. Status..............: " + status + "\r\n") +
           "1b. Nama Domain.........: " + domain + "\r\n" +
           "1c. Organisasi..........: PT Toko Buku Sejahtera\r\n"
           "1d. Keterangan..........: " +
           description +
           "1e. Identitas...........: NPWP 01.234.567.8-901\r\n"
           "1f. Kontak Cepat........: 0812 555 0101\r\n";
}

QByteArray trailerFor(const QByteArray &tag) {
    return "\r\nNNNN RDV" + tag + " $Revision 3.1 $ Baris INI JANGAN DIHAPUS !!!!!\r\n";
}

} // namespace

class TestDomainSection : public QObject {
    Q_OBJECT

private slots:
    void writesTheFourFiles_data();
    void writesTheFourFiles();
    void valuesStartInColumn27();
    void stopsAtTheFirstFileThatFails_data();
    void stopsAtTheFirstFileThatFails();
};

void TestDomainSection::writesTheFourFiles_data() {
    QTest::addColumn<DomainInformation>("information");
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QByteArray>("trailer");
    QTest::addColumn<QByteArray>("subject");
    QTest::addColumn<QByteArray>("recipient");

    QTest::newRow("entry 2, UBAH")
        << sampleInformation(Status::Change, ".yayasan")
        << sampleDocument("UMUM", "u", "tokobuku.yayasan.qv") << trailerFor("UMUM")
        << QByteArray("ubah tokobuku.yayasan.qv") << QByteArray("daftar-yayasan@nic.qv");
    QTest::newRow("no status") << sampleInformation(Status::None, ".usaha")
                               << sampleDocument("UMUM", "", "tokobuku.usaha.qv")
                               << trailerFor("UMUM") << QByteArray()
                               << QByteArray("daftar-usaha@nic.qv");
    QTest::newRow("entry 9, BARU")
        << sampleInformation(Status::New, ".lainnya")
        << sampleDocument("INDUK", "b", "tokobuku.lainnya.qv") << trailerFor("INDUK")
        << QByteArray("baru tokobuku.lainnya.qv") << QByteArray("hostmaster@kavronet.qv");
    QTest::newRow("hand-typed zone, HAPUS")
        << sampleInformation(Status::Delete, ".xyz") << sampleDocument("", "h", "tokobuku.xyz.qv")
        << QByteArray() << QByteArray("hapus tokobuku.xyz.qv") << QByteArray();
    QTest::newRow("zone in another case matches nothing")
        << sampleInformation(Status::New, ".Usaha") << sampleDocument("", "b", "tokobuku.Usaha.qv")
        << QByteArray() << QByteArray("baru tokobuku.Usaha.qv") << QByteArray();

    DomainInformation blanks = sampleInformation(Status::New, ".dinas");
    blanks.domainName = " ";
    blanks.identity = " ";
    QTest::newRow("single blanks are kept")
        << blanks
        << sampleDocument("DINAS", "b", " .dinas.qv").replace("NPWP 01.234.567.8-901", " ")
        << trailerFor("DINAS") << QByteArray("baru  .dinas.qv")
        << QByteArray("daftar-dinas@nic.qv");

    DomainInformation multiLine = sampleInformation(Status::Change, ".ilmu.kampus");
    multiLine.description =
        QStringLiteral("Penjualan buku daring\ndan alat tulis\n  untuk sekolah");
    QTest::newRow("description of three lines")
        << multiLine
        << sampleDocument("KAMPUS", "u", "tokobuku.ilmu.kampus.qv",
                          "Penjualan buku daring\r\ndan alat tulis\r\n  untuk sekolah\r\n")
        << trailerFor("KAMPUS") << QByteArray("ubah tokobuku.ilmu.kampus.qv")
        << QByteArray("daftar-kampus@nic.qv");
}

void TestDomainSection::writesTheFourFiles() {
    QFETCH(DomainInformation, information);
    QFETCH(QByteArray, document);
    QFETCH(QByteArray, trailer);
    QFETCH(QByteArray, subject);
    QFETCH(QByteArray, recipient);

    ScopedWorkDir dir;
    // Leftovers of an earlier run must not survive.
    for (const char *name : {"DAT.JOV", "DAT0.JOV", "DATM1.JOV", "DATM2.JOV"})
        dir.write(name, "earlier run\r\n");

    writeDomainFiles(buildDomainFiles(information));

    QCOMPARE(dir.read("DAT.JOV"), document);
    QCOMPARE(dir.read("DAT0.JOV"), trailer);
    QCOMPARE(dir.read("DATM1.JOV"), subject);
    QCOMPARE(dir.read("DATM2.JOV"), recipient);
}

void TestDomainSection::valuesStartInColumn27() {
    DomainInformation information = sampleInformation(Status::Delete, ".hankam");
    information.organisation.clear();
    const QList<QByteArray> lines = buildDomainFiles(information).document.split('\n');
    int itemLines = 0;
    for (const QByteArray &line : lines) {
        if (!line.startsWith("1") || line.startsWith("1. "))
            continue;
        ++itemLines;
        QVERIFY2(line.indexOf(':') == 24 && line.at(25) == ' ' && line.at(26) != ' ',
                 line.constData());
    }
    QCOMPARE(itemLines, 6);
}

void TestDomainSection::stopsAtTheFirstFileThatFails_data() {
    QTest::addColumn<WorkFile>("blocked");
    QTest::addColumn<QStringList>("written");

    QTest::newRow("DAT.JOV") << WorkFile::Document << QStringList();
    QTest::newRow("DAT0.JOV") << WorkFile::Trailer << QStringList{"DAT.JOV"};
    QTest::newRow("DATM1.JOV") << WorkFile::Subject << QStringList{"DAT.JOV", "DAT0.JOV"};
    QTest::newRow("DATM2.JOV") << WorkFile::Recipient
                               << QStringList{"DAT.JOV", "DAT0.JOV", "DATM1.JOV"};
}

void TestDomainSection::stopsAtTheFirstFileThatFails() {
    QFETCH(WorkFile, blocked);
    QFETCH(QStringList, written);

    // A directory standing in a file's place fails even for root.
    ScopedWorkDir dir;
    QVERIFY(QDir(dir.path()).mkdir(workFileName(blocked)));
    const DomainFiles files = buildDomainFiles(sampleInformation(Status::New, ".jaring"));
    try {
        writeDomainFiles(files);
        QFAIL("a failed work file was reported as written");
    } catch (const WorkFileError &error) {
        QCOMPARE(error.file(), blocked);
    }

    const QStringList all{"DAT.JOV", "DAT0.JOV", "DATM1.JOV", "DATM2.JOV"};
    for (const QString &name : all) {
        if (name == workFileName(blocked))
            continue;
        QVERIFY2(dir.exists(name) == written.contains(name), qPrintable(name));
    }
    if (written.contains("DAT.JOV"))
        QCOMPARE(dir.read("DAT.JOV"), files.document);
}

QTEST_MAIN(TestDomainSection)
#include "tst_domain_section.moc"
