// Page I: the six checks and their dialog, the four work files and what goes into them.
#include "app/window_set.h"
#include "quick_start.h"
#include "support/windows.h"
#include "support/work_dir.h"
#include "wizard/contact_page.h"
#include "wizard/incomplete_data_dialog.h"
#include "wizard/main_window.h"

#include <QDir>
#include <QtTest>
#include <algorithm>

namespace {
template <class Predicate> int countTopLevel(Predicate predicate) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return int(std::count_if(windows.begin(), windows.end(), predicate));
}

} // namespace

class TestPageOne : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void incompletePageRaisesOneDialogAndWritesNothing_data();
    void incompletePageRaisesOneDialogAndWritesNothing();
    void dialogBeepsAfterTakingTheSkinAndLeadsBack();
    void completePageWritesItsFilesAndMovesOn();
    void blanksCountAsContent();
    void descriptionIsWrittenAsTyped_data();
    void descriptionIsWrittenAsTyped();

private:
    void fillPage();
    std::unique_ptr<ScopedWorkDir> work;
    std::unique_ptr<WindowSet> windows;
    frmMain *page = nullptr;
};

void TestPageOne::init() {
    work = std::make_unique<ScopedWorkDir>();
    windows = std::make_unique<WindowSet>(quickStart());
    page = windows->frmMain.get();
    QVERIFY(waitUntilActive(page));
}

void TestPageOne::cleanup() {
    windows.reset();
    work.reset();
}

void TestPageOne::fillPage() {
    page->Option2->setChecked(true);
    page->Text1->setText(QStringLiteral("pelabuhan"));
    page->Combo1->setCurrentIndex(1);
    page->Text2->setText(QStringLiteral("Yayasan Pelabuhan Biru"));
    page->Text3->setPlainText(QStringLiteral("Kegiatan sosial\nwarga pesisir"));
    page->Text4->setText(QStringLiteral("AKTA 12/2026"));
    page->Text5->setText(QStringLiteral("Rina, 555-0101"));
}

void TestPageOne::incompletePageRaisesOneDialogAndWritesNothing_data() {
    QTest::addColumn<QString>("emptyField");
    QTest::newRow("zone left at domain") << "zone-domain";
    QTest::newRow("zone cleared") << "zone-empty";
    QTest::newRow("name") << "Text1";
    QTest::newRow("organisation") << "Text2";
    QTest::newRow("description") << "Text3";
    QTest::newRow("identity") << "Text4";
    QTest::newRow("quick contact") << "Text5";
    QTest::newRow("three fields") << "three";
}

void TestPageOne::incompletePageRaisesOneDialogAndWritesNothing() {
    QFETCH(QString, emptyField);
    fillPage();
    if (emptyField == QLatin1String("zone-domain"))
        page->Combo1->setEditText(QStringLiteral("domain"));
    else if (emptyField == QLatin1String("zone-empty"))
        page->Combo1->setEditText(QString());
    else if (emptyField == QLatin1String("Text3"))
        page->Text3->clear();
    else if (emptyField == QLatin1String("three")) {
        page->Text1->clear();
        page->Text3->clear();
        page->Text5->clear();
    } else
        page->findChild<QLineEdit *>(emptyField)->clear();

    page->SkinButton3->click();

    QVERIFY(windows->FormMessageBox.loaded());
    IncompleteDataDialog *dialog = windows->FormMessageBox.get();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Aplikasi Terhenti ..."));
    QCOMPARE(dialog->SkinLabel1->text(), QStringLiteral("Data domain tidak lengkap."));
    QCOMPARE(dialog->SkinLabel2->text(),
             QStringLiteral("Lengkapi data domain untuk melanjutkan program ini."));
    QCOMPARE(dialog->SkinButton1->text(), QStringLiteral("Baiklah.."));
    QCOMPARE(countTopLevel(
                 [](QWidget *w) { return w->isVisible() && qobject_cast<MessageDialog *>(w); }),
             1);
    QVERIFY(QDir().entryList(QDir::Files).isEmpty());
    QVERIFY(page->isVisible());
    QVERIFY(!windows->Form2.loaded());
    if (emptyField != QLatin1String("Text4"))
        QCOMPARE(page->Text4->text(), QStringLiteral("AKTA 12/2026"));
}

void TestPageOne::dialogBeepsAfterTakingTheSkinAndLeadsBack() {
    const SkinRef media = page->skinStorages[6]->StoredSkin();
    page->ApplySkinToMain(media);
    page->Text2->setText(QStringLiteral("tetap di sini"));
    IncompleteDataDialog *dialog = windows->FormMessageBox.get();
    QStringList steps;
    connect(dialog->SkinForm1, &SkinForm::skinChanged, this, [&] { steps << "skin"; });
    connect(dialog, &MessageDialog::beepSounded, this, [&] {
        steps << (dialog->SkinButton1->SkinElement() ? "beep after skinning controls" : "beep");
    });

    page->SkinButton3->click();
    // A hand-over for each of the five failed checks, then on activation the skin is
    // set again, the beep sounds, and only then are the controls skinned.
    QVERIFY(waitUntilActive(dialog));
    QCOMPARE(steps, QStringList({"skin", "skin", "skin", "skin", "skin", "skin", "beep"}));
    QCOMPARE(dialog->SkinForm1->CurrentSkin(), media);
    QVERIFY(dialog->SkinButton1->SkinElement());

    dialog->SkinButton1->click();
    QVERIFY(!dialog->isVisible());
    QVERIFY(page->isVisible());
    QCOMPARE(page->Text2->text(), QStringLiteral("tetap di sini"));
}

void TestPageOne::completePageWritesItsFilesAndMovesOn() {
    fillPage();
    page->SkinButton3->click();
    QVERIFY(!windows->FormMessageBox.loaded());
    QVERIFY(windows->Form2.loaded());
    QVERIFY(windows->Form2.get()->isVisible());
    QCOMPARE(windows->Form2.get()->windowTitle(), QStringLiteral("Velda"));
    QVERIFY(!page->isVisible());
    QCOMPARE(windows->Form2.get()->SkinForm1->CurrentSkin(), page->SkinForm1->CurrentSkin());

    const QByteArray hyphens(71, '-');
    QCOMPARE(work->read("DAT.JOV"),
             "\r\n"
             "ZCZC RDVUMUM $Revision 3.1 $ Baris INI JANGAN DIHAPUS !!!!!!!!\r\n" +
                 hyphens +
                 "\r\n"
                 "\r\n"
                 "1. Informasi Domain\r\n"
                 "1a. Status..............: u\r\n"
                 "1b. Nama Domain.........: pelabuhan.yayasan.qv\r\n"
                 "1c. Organisasi..........: Yayasan Pelabuhan Biru\r\n"
                 "1d. Keterangan..........: Kegiatan sosial\r\n"
                 "warga pesisir\r\n"
                 "1e. Identitas...........: AKTA 12/2026\r\n"
                 "1f. Kontak Cepat........: Rina, 555-0101\r\n");
    QCOMPARE(work->read("DAT0.JOV"),
             "\r\nNNNN RDVUMUM $Revision 3.1 $ Baris INI JANGAN DIHAPUS !!!!!\r\n");
    QCOMPARE(work->read("DATM1.JOV"), "ubah pelabuhan.yayasan.qv");
    QCOMPARE(work->read("DATM2.JOV"), "daftar-yayasan@nic.qv");
}

void TestPageOne::blanksCountAsContent() {
    fillPage();
    page->Text1->setText(QStringLiteral(" "));
    page->Combo1->setEditText(QStringLiteral(".pribadi")); // typed by hand, matches nothing
    page->Option2->setAutoExclusive(false);
    page->Option2->setChecked(false);
    page->SkinButton3->click();
    QVERIFY(windows->Form2.loaded());
    const QByteArray document = work->read("DAT.JOV");
    QVERIFY(document.startsWith("\r\n" + QByteArray(71, '-') + "\r\n"));
    QVERIFY(document.contains("\r\n1b. Nama Domain.........:  .pribadi.qv\r\n"));
    QVERIFY(!document.contains("1a."));
    QCOMPARE(work->read("DAT0.JOV"), QByteArray());
    QCOMPARE(work->read("DATM1.JOV"), QByteArray());
    QCOMPARE(work->read("DATM2.JOV"), QByteArray());
    QVERIFY(work->exists("DATM2.JOV"));
}

void TestPageOne::descriptionIsWrittenAsTyped_data() {
    // Pasted pieces and keys in turn, and the bytes line 1d must carry after its label.
    // '~' stands for a no-break space in both.
    QTest::addColumn<QStringList>("typing");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("pasted no-break spaces")
        << QStringList{"Jalan~Merdeka~No.~5"} << QByteArray("Jalan~Merdeka~No.~5");
    QTest::newRow("no-break space alone") << QStringList{"~"} << QByteArray("~");
    QTest::newRow("tab, Shift+Enter, line separator")
        << QStringList{"Toko~buku\tlama", "<shift-enter>", "~di pasar\u2028ikan"}
        << QByteArray("Toko~buku\tlama\r\n~di pasar\r\nikan");
    QTest::newRow("Enter") << QStringList{"satu", "<enter>", "~dua~"}
                           << QByteArray("satu\r\n~dua~");
}

void TestPageOne::descriptionIsWrittenAsTyped() {
    QFETCH(QStringList, typing);
    QFETCH(QByteArray, written);
    fillPage();
    page->Text3->clear();
    page->Text3->setFocus();
    for (const QString &piece : typing) {
        if (piece == QLatin1String("<enter>"))
            QTest::keyClick(page->Text3, Qt::Key_Return);
        else if (piece == QLatin1String("<shift-enter>"))
            QTest::keyClick(page->Text3, Qt::Key_Return, Qt::ShiftModifier);
        else
            page->Text3->insertPlainText(QString(piece).replace(u'~', QChar::Nbsp));
    }
    page->SkinButton3->click();
    QVERIFY(windows->Form2.loaded());
    const QByteArray document = work->read("DAT.JOV");
    const QByteArray line =
        "\r\n1d. Keterangan..........: " + written.replace('~', '\xA0') + "\r\n1e. ";
    QVERIFY2(document.contains(line),
             document.mid(document.indexOf("\r\n1d.")).toHex(' ').constData());
}

QTEST_MAIN(TestPageOne)
#include "tst_page_one.moc"
