// Whole runs from page I to page V through the real windows, with the work files they
// leave compared byte for byte; and what every later page does when the document
// cannot be written.
#include "quick_start.h"
#include "support/work_dir.h"
#include "wizard/work_file_error_dialog.h"
#include "wizard_run.h"

#include <QDir>
#include <QtTest>

namespace {

const QByteArray documentHead =
    "\r\n"
    "ZCZC RDVUMUM $Revision 3.1 $ Baris INI JANGAN DIHAPUS !!!!!!!!\r\n" +
    QByteArray(71, '-') +
    "\r\n"
    "\r\n"
    "1. Informasi Domain\r\n"
    "1a. Status..............: b\r\n"
    "1b. Nama Domain.........: lumbung.usaha.qv\r\n"
    "1c. Organisasi..........: Koperasi Lumbung Tani\r\n"
    "1d. Keterangan..........: Simpan pinjam petani\r\n"
    "1e. Identitas...........: AKTA 7/2025\r\n"
    "1f. Kontak Cepat........: Sari 555-0147\r\n"
    "\r\n"
    "2. Kontak Administratif\r\n"
    "2a. NIC Handle..........: ADM-QV\r\n"
    "2b. Nama................: Ab\r\n"
    "2c. Jabatan.............: Ac\r\n"
    "2d. Institusi...........: Ad\r\n"
    "2e. Alamat..............: Ae\r\n"
    "2f. E-Mail..............: Af\r\n"
    "2g. Telepon.............: Ag\r\n"
    "2h. Fax.................: Ah\r\n"
    "\r\n"
    "3. Kontak Pembayaran\r\n"
    "3a. NIC Handle..........:  BIL-QV \r\n"
    "3b. Nama................: Bb\r\n"
    "3c. Jabatan.............: Bc\r\n"
    "3d. Institusi...........: Bd\r\n"
    "3e. Alamat..............: Be\r\n"
    "3f. E-Mail..............: Bf\r\n"
    "3g. Telepon.............: Bg\r\n"
    "3h. Fax.................: Bh\r\n"
    "\r\n"
    "4. Kontak Teknis\r\n"
    "4a. NIC Handle..........: TEK-QV\r\n"
    "4b. Nama................: Cb\r\n"
    "4c. Jabatan.............: Cc\r\n"
    "4d. Institusi...........: Cd\r\n"
    "4e. Alamat..............: Ce\r\n"
    "4f. E-Mail..............: Cf\r\n"
    "4g. Telepon.............: Cg\r\n"
    "4h. Fax.................: Ch\r\n";

const QByteArray nameServerSections = "\r\n"
                                      "5.  Record..............: NS\r\n"
                                      "\r\n"
                                      "6. Primary Name Server\r\n"
                                      "6a. Hostnames...........: 1a\r\n"
                                      "6b. Netaddress..........: 1b\r\n"
                                      "\r\n"
                                      "7. Secondary Name Server\r\n"
                                      "7a. Hostnames...........: 2a\r\n"
                                      "7b. Netaddress..........: 2b\r\n"
                                      "\r\n"
                                      "8. Secondary Name Server\r\n"
                                      "8a. Hostnames...........: 3a\r\n"
                                      "8b. Netaddress..........: 3b\r\n"
                                      "\r\n"
                                      "9. Secondary Name Server\r\n"
                                      "9a. Hostnames...........: 4a\r\n"
                                      "9b. Netaddress..........: 4b\r\n"
                                      "\r\n"
                                      "10. Secondary Name Server\r\n"
                                      "10a. Hostnames..........: 5a\r\n"
                                      "10b. Netaddress.........: 5b\r\n";

const QByteArray mailExchangerSections = "\r\n"
                                         "5.  Record..............: MX\r\n"
                                         "\r\n"
                                         "6.  Primary MX Server\r\n"
                                         "6a. Hostnames...........: 1a\r\n"
                                         "6b. Netaddress..........: 1b\r\n"
                                         "6c. Reference...........: 1c\r\n"
                                         "\r\n"
                                         "7. Secondary MX Server\r\n"
                                         "7a. Hostnames...........: 2a\r\n"
                                         "7b. Netaddress..........: 2b\r\n"
                                         "7c. Reference...........: 2c\r\n"
                                         "\r\n"
                                         "8. Secondary MX Server\r\n"
                                         "8a. Hostnames...........: 3a\r\n"
                                         "8b. Netaddress..........: 3b\r\n"
                                         "8c. Reference...........: 3c\r\n"
                                         "\r\n"
                                         "9. Secondary MX Server\r\n"
                                         "9a. Hostnames...........: 4a\r\n"
                                         "9b. Netaddress..........: 4b\r\n"
                                         "9c. Reference...........: 4c\r\n"
                                         "\r\n"
                                         "10. Secondary MX Server\r\n"
                                         "10a. Hostnames...........: 5a\r\n"
                                         "10b. Netaddress..........: 5b\r\n"
                                         "10c. Reference...........: 5c\r\n";

const QByteArray declarationAndRegistrant =
    "\r\n" + QByteArray(68, '-') +
    "\r\n"
    "BERSAMA INI PENDAFTAR MENERANGKAN BAHWA:\r\n"
    "- KETERANGAN DI ATAS DIISI DENGAN BENAR.\r\n"
    "- 'ADMIN-KONTAK' DAN 'TEKNIS-KONTAK' TELAH MEMBACA DAN\r\n"
    "  MENGERTI SEMUA KETENTUAN PENDAFTARAN\r\n"
    "- PENDAFTAR MEMILIKI PENGETAHUAN DASAR INTERNET, SEPERTI :\r\n"
    "  - PERANAN ORGANISASI IANA, APNIC, KAVRO, APJII dan PDTD\r\n"
    "    (Pengelola Domain Tingkat Dua)\r\n"
    "  - DASAR-DASAR BIND (NSLOOKUP, DIG, NAMED.BOOT, NAMED, DST)\r\n"
    "\r\n"
    "11a. NAMA-PENDAFTAR.....: Sari Wulandari\r\n"
    "11b. E-MAIL-PENDAFTAR...: sari@lumbung.usaha.qv\r\n";

const QByteArray trailerFile =
    "\r\nNNNN RDVUMUM $Revision 3.1 $ Baris INI JANGAN DIHAPUS !!!!!\r\n";

} // namespace

class TestWholeDocument : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void completeRunLeavesTheWholeDocument_data();
    void completeRunLeavesTheWholeDocument();
    void handTypedZoneEndsWithTheRegistrantLine();
    void pageKeepsEverythingWhenAWorkFileFails_data();
    void pageKeepsEverythingWhenAWorkFileFails();
    void closingAPageThroughTheWindowManagerEndsTheRun_data();
    void closingAPageThroughTheWindowManagerEndsTheRun();

private:
    std::unique_ptr<ScopedWorkDir> work;
    std::unique_ptr<WindowSet> windows;
};

void TestWholeDocument::init() {
    work = std::make_unique<ScopedWorkDir>();
    windows = std::make_unique<WindowSet>(quickStart());
    QVERIFY(waitUntilActive(windows->frmMain.get()));
}

void TestWholeDocument::cleanup() {
    windows.reset();
    work.reset();
}

void TestWholeDocument::completeRunLeavesTheWholeDocument_data() {
    QTest::addColumn<QString>("recordPage");
    QTest::addColumn<QByteArray>("recordSections");
    QTest::newRow("NS") << "Form5" << nameServerSections;
    QTest::newRow("MX") << "Form6" << mailExchangerSections;
}

void TestWholeDocument::completeRunLeavesTheWholeDocument() {
    QFETCH(QString, recordPage);
    QFETCH(QByteArray, recordSections);
    completePage(reachPage(*windows, recordPage));
    completePage(windows->Form7.get());
    QVERIFY(windows->frmMail.loaded());

    const QByteArray document = work->read("DAT.JOV");
    QCOMPARE(document,
             documentHead + recordSections + declarationAndRegistrant + trailerFile + "\r\n");
    QCOMPARE(work->read("DAT0.JOV"), trailerFile);
    QCOMPARE(work->read("DATM1.JOV"), "baru lumbung.usaha.qv");
    QCOMPARE(work->read("DATM2.JOV"), "daftar-usaha@nic.qv");
    QCOMPARE(work->read("DATM3.JOV"), "sari@lumbung.usaha.qv");
    QCOMPARE(work->read("DATM4.JOV"), "Sari Wulandari");

    // Every value starts in column 27, only the MX labels of group 10 put it in column 28.
    for (const QByteArray &line : document.split('\n')) {
        const int colon = line.indexOf(".: ");
        const bool longerLabel = recordPage == QLatin1String("Form6") && line.startsWith("10");
        if (colon >= 0)
            QCOMPARE(colon + 3, longerLabel ? 27 : 26);
    }
}

void TestWholeDocument::handTypedZoneEndsWithTheRegistrantLine() {
    completePage(reachPage(*windows, QStringLiteral("Form7"), QStringLiteral(".pribadi")));
    QVERIFY(windows->frmMail.loaded());
    const QByteArray document = work->read("DAT.JOV");
    QVERIFY(document.startsWith("\r\n" + QByteArray(71, '-') + "\r\n"));
    QVERIFY(document.endsWith("11b. E-MAIL-PENDAFTAR...: sari@lumbung.usaha.qv\r\n\r\n"));
    QCOMPARE(work->read("DAT0.JOV"), QByteArray());
}

void TestWholeDocument::pageKeepsEverythingWhenAWorkFileFails_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("obstacle");
    for (const char *page : {"Form2", "Form5", "Form6", "Form7"}) {
        QTest::addRow("%s, directory in place of DAT.JOV", page) << page << "directory";
        QTest::addRow("%s, full disk", page) << page << "full disk";
    }
    QTest::newRow("Form7, DAT0.JOV missing") << "Form7"
                                             << "missing";
}

void TestWholeDocument::pageKeepsEverythingWhenAWorkFileFails() {
    QFETCH(QString, page);
    QFETCH(QString, obstacle);
    if (obstacle == QLatin1String("full disk") && !QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full on this machine");
    SkinWindow *window = reachPage(*windows, page);
    fillPage(window);
    QLineEdit *field = window->findChildren<QLineEdit *>().last();
    const QString typed = field->text();
    auto *next =
        window->findChild<SkinButton *>(QStringLiteral("SkinButton1"), Qt::FindDirectChildrenOnly);
    const QByteArray document = work->read("DAT.JOV");
    const QByteArray trailer = work->read("DAT0.JOV");
    const QString blocked = obstacle == QLatin1String("missing") ? "DAT0.JOV" : "DAT.JOV";
    QVERIFY(QFile::remove(blocked));
    if (obstacle == QLatin1String("directory"))
        QVERIFY(QDir().mkdir(blocked));
    else if (obstacle == QLatin1String("full disk"))
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), blocked));

    next->click();
    QVERIFY(windows->WorkFileErrorDialog.loaded());
    QPointer<WorkFileErrorDialog> error = windows->WorkFileErrorDialog.get();
    QVERIFY(error->isVisible());
    QVERIFY(error->SkinLabel2->text().contains(blocked));
    QVERIFY(window->isVisible());
    QCOMPARE(field->text(), typed);
    QVERIFY(!windows->Form4.loaded() && !windows->frmMail.loaded());
    QCOMPARE(windows->Form7.loaded(), page == QLatin1String("Form7"));
    if (blocked == QLatin1String("DAT0.JOV")) // read before anything is written
        QVERIFY(work->read("DAT.JOV") == document && !work->exists("DATM3.JOV"));

    // Its button leads back to the page, which goes on once the file can be used again.
    error->SkinButton1->click();
    QVERIFY(window->isVisible());
    QFile::remove(blocked) || QDir().rmdir(blocked);
    work->write(blocked, blocked == QLatin1String("DAT.JOV") ? document : trailer);
    next->click();
    QVERIFY(!error || !error->isVisible());
    QVERIFY(work->read("DAT.JOV").startsWith(document));
    QVERIFY(work->read("DAT.JOV").size() > document.size());
}

void TestWholeDocument::closingAPageThroughTheWindowManagerEndsTheRun_data() {
    QTest::addColumn<QString>("page");
    for (const char *page : {"Form2", "Form4", "Form5", "Form6", "Form7"})
        QTest::newRow(page) << page;
}

void TestWholeDocument::closingAPageThroughTheWindowManagerEndsTheRun() {
    QFETCH(QString, page);
    SkinWindow *window = reachPage(*windows, page);
    QVERIFY(window && window->isVisible());
    QSignalSpy ended(windows.get(), &WindowSet::ended);
    window->close();
    QCOMPARE(ended.count(), 1);
    QVERIFY(!windows->frmMain.loaded() && !windows->Form2.loaded());
}

QTEST_MAIN(TestWholeDocument)
#include "tst_whole_document.moc"
