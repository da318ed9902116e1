// Page V: the declaration, its two checks and dialog with the hidden gallery controls,
// the trailer read before anything is written, and the sender files.
#include "mail/send_page.h"
#include "quick_start.h"
#include "support/work_dir.h"
#include "wizard/declaration_message_box.h"
#include "wizard/information_viewer.h"
#include "wizard/work_file_error_dialog.h"
#include "wizard_run.h"

#include <QtTest>

class TestDeclarationPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pageIsNamedAndTabWalksItsFields();
    void missingNameOrAddressRaisesTheDialog_data();
    void missingNameOrAddressRaisesTheDialog();
    void galleryControlsStayHiddenOnEveryActivation();
    void missingTrailerFileIsAWorkFileError();
    void senderFilesHoldExactlyWhatWasTyped();

private:
    std::unique_ptr<ScopedWorkDir> work;
    std::unique_ptr<WindowSet> windows;
    Form7 *page = nullptr;
};

void TestDeclarationPage::init() {
    work = std::make_unique<ScopedWorkDir>();
    windows = std::make_unique<WindowSet>(quickStart());
    QVERIFY(waitUntilActive(windows->frmMain.get()));
    page = completeRecords(*windows, RecordType::NameServer);
    QVERIFY(page);
    QVERIFY(waitUntilActive(page));
}

void TestDeclarationPage::cleanup() {
    windows.reset();
    work.reset();
}

void TestDeclarationPage::pageIsNamedAndTabWalksItsFields() {
    QCOMPARE(page->SkinLabel1->text(), QStringLiteral("V. LEMBAR PERNYATAAN PEMOHON DOMAIN"));
    QCOMPARE(page->declaration[5]->text(),
             QStringLiteral("- PERANAN ORGANISASI IANA, APNIC, KAVRO, APJII dan PDTD"));
    QCOMPARE(page->Text2->accessibleName(), QStringLiteral("11b. E-MAIL-PENDAFTAR"));
    QVERIFY2(namingProblemsIn(page).isEmpty(), qPrintable(namingProblemsIn(page)));
    QCOMPARE(tabOrder(page), QStringList({"Text1", "Text2", "SkinButton2", "SkinButton1"}));
    QVERIFY(page->SkinButton2->x() < page->SkinButton1->x()); // "Informasi" on the left

    // The viewer takes the main window's skin itself.
    page->SkinForm1->setCurrentSkin(windows->frmMain.get()->skinStorages[3]->StoredSkin());
    page->SkinButton2->click();
    QVERIFY(waitUntilActive(windows->Form13.get()));
    QCOMPARE(windows->Form13.get()->SkinForm1->CurrentSkin(),
             windows->frmMain.get()->SkinForm1->CurrentSkin());
}

void TestDeclarationPage::missingNameOrAddressRaisesTheDialog_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    QTest::newRow("both empty") << ""
                                << "";
    QTest::newRow("address empty") << "Sari"
                                   << "";
    QTest::newRow("name empty") << ""
                                << "sari@lumbung.usaha.qv";
}

void TestDeclarationPage::missingNameOrAddressRaisesTheDialog() {
    QFETCH(QString, name);
    QFETCH(QString, address);
    page->Text1->setText(name);
    page->Text2->setText(address);
    const QByteArray before = work->read("DAT.JOV");
    page->SkinButton1->click();

    QVERIFY(windows->Form12.loaded());
    Form12 *dialog = windows->Form12.get();
    QSignalSpy beeps(dialog, &MessageDialog::beepSounded);
    QVERIFY(waitUntilActive(dialog));
    QCOMPARE(beeps.count(), 1);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Aplikasi Terhenti..."));
    QCOMPARE(dialog->SkinLabel1->text(),
             QStringLiteral("Maaf.. data Nama dan/atau E-mail Pendaftar belum lengkap."));
    QCOMPARE(dialog->SkinLabel2->text(),
             QStringLiteral(" Mohon cantumkan nama anda     serta alamat e-mail yang valid."));
    QCOMPARE(dialog->SkinForm1->CurrentSkin(), page->SkinForm1->CurrentSkin());
    QCOMPARE(work->read("DAT.JOV"), before);
    QVERIFY(!work->exists("DATM3.JOV"));
    QVERIFY(!work->exists("DATM4.JOV"));
    QVERIFY(!windows->frmMail.loaded());

    dialog->SkinButton1->click();
    QVERIFY(!windows->Form12.loaded());
    QVERIFY(waitUntilActive(page));
    QCOMPARE(page->Text1->text(), name);
    QCOMPARE(page->Text2->text(), address);
}

void TestDeclarationPage::galleryControlsStayHiddenOnEveryActivation() {
    page->SkinButton1->click();
    Form12 *dialog = windows->Form12.get();
    QVERIFY(waitUntilActive(dialog));
    QCOMPARE(dialog->SkinLabel3->text(), QStringLiteral("You got it!! :-)"));
    QCOMPARE(dialog->SkinButton2->text(), QStringLiteral("Let me check your Password .."));
    QVERIFY(dialog->SkinLabel3->isHidden());
    QVERIFY(dialog->SkinButton2->isHidden());
    QVERIFY(dialog->SkinLabel3->SkinElement()); // skinned although hidden

    // Shown from outside, they go again when the dialog next becomes active.
    dialog->SkinLabel3->show();
    dialog->SkinButton2->show();
    windows->Form13.get()->Show();
    QVERIFY(waitUntilActive(windows->Form13.get()));
    dialog->Show();
    QVERIFY(waitUntilActive(dialog));
    QVERIFY(dialog->SkinLabel3->isHidden());
    QVERIFY(dialog->SkinButton2->isHidden());
}

void TestDeclarationPage::missingTrailerFileIsAWorkFileError() {
    QVERIFY(QFile::remove(work->filePath("DAT0.JOV")));
    page->Text1->setText(QStringLiteral("Sari"));
    page->Text2->setText(QStringLiteral("sari@lumbung.usaha.qv"));
    const QByteArray before = work->read("DAT.JOV");
    page->SkinButton1->click();

    QVERIFY(windows->WorkFileErrorDialog.loaded());
    QVERIFY(windows->WorkFileErrorDialog.get()->SkinLabel2->text().contains(
        QStringLiteral("DAT0.JOV")));
    QCOMPARE(work->read("DAT.JOV"), before);
    QVERIFY(!work->exists("DATM3.JOV"));
    QVERIFY(page->isVisible());
    QVERIFY(!windows->frmMail.loaded());
}

void TestDeclarationPage::senderFilesHoldExactlyWhatWasTyped() {
    // Left over from an earlier run, longer than what comes now.
    work->write("DATM3.JOV", "lama.sekali@contoh-lama.qv");
    work->write("DATM4.JOV", "Nama Pendaftar Yang Lama");
    work->write("DAT0.JOV", QByteArray()); // a zone typed by hand has no trailer
    page->Text1->setText(QStringLiteral("  "));
    page->Text2->setText(QStringLiteral(" sari@lumbung.usaha.qv "));
    const QByteArray before = work->read("DAT.JOV");
    const SkinRef skin = page->SkinForm1->CurrentSkin();
    QPointer<Form7> watch = page;
    page->SkinButton1->click();

    QCOMPARE(work->read("DATM3.JOV"), " sari@lumbung.usaha.qv ");
    QCOMPARE(work->read("DATM4.JOV"), "  ");
    QVERIFY(work->read("DAT.JOV")
                .mid(before.size())
                .endsWith("\r\n11a. NAMA-PENDAFTAR.....:   \r\n11b. E-MAIL-PENDAFTAR...:  "
                          "sari@lumbung.usaha.qv "
                          "\r\n\r\n"));
    QCOMPARE(work->read("DAT.JOV").mid(before.size()).count("\r\n"), 14);
    QVERIFY(windows->frmMail.get()->isVisible());
    QCOMPARE(windows->frmMail.get()->SkinForm1->CurrentSkin(), skin);
    QTRY_VERIFY(watch.isNull());
}

QTEST_MAIN(TestDeclarationPage)
#include "tst_declaration_page.moc"
