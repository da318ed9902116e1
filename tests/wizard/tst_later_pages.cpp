// Pages II to V: their controls for keyboard and screen reader, the required fields and
// their order, the dialogs and the way back, page III's ticker, page V's sender files.
#include "mail/send_page.h"
#include "quick_start.h"
#include "support/work_dir.h"
#include "wizard/declaration_message_box.h"
#include "wizard/incomplete_data_dialog.h"
#include "wizard/information_viewer.h"
#include "wizard_run.h"

#include <QtTest>

namespace {
QStringList fieldNames(int count) {
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << QStringLiteral("Text%1").arg(i);
    return names;
}
} // namespace

class TestLaterPages : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void controlsAreNamedAndTabWalksThem_data();
    void controlsAreNamedAndTabWalksThem();
    void requiredFieldsAreCheckedInOrder_data();
    void requiredFieldsAreCheckedInOrder();
    void dialogLeadsBackWithEverythingTyped_data();
    void dialogLeadsBackWithEverythingTyped();
    void galleryControlsStayHiddenOnEveryActivation();
    void choicePageTickerLivesAsLongAsThePage();
    void senderFilesHoldExactlyWhatWasTyped();

private:
    // The dialog the page raised, if it is loaded.
    MessageDialog *raisedDialog(const QString &page);

    std::unique_ptr<ScopedWorkDir> work;
    std::unique_ptr<WindowSet> windows;
};

void TestLaterPages::init() {
    work = std::make_unique<ScopedWorkDir>();
    windows = std::make_unique<WindowSet>(quickStart());
    QVERIFY(waitUntilActive(windows->frmMain.get()));
}

void TestLaterPages::cleanup() {
    windows.reset();
    work.reset();
}

MessageDialog *TestLaterPages::raisedDialog(const QString &page) {
    WindowSet &w = *windows;
    if (page == QLatin1String("Form2"))
        return w.Form3.loaded() ? w.Form3.get() : nullptr;
    if (page == QLatin1String("Form5"))
        return w.Form10.loaded() ? w.Form10.get() : nullptr;
    if (page == QLatin1String("Form6"))
        return w.Form11.loaded() ? w.Form11.get() : nullptr;
    return w.Form12.loaded() ? w.Form12.get() : nullptr;
}

void TestLaterPages::controlsAreNamedAndTabWalksThem_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("tabOrder");
    QTest::addColumn<QString>("sampleField"); // field, then its accessible name
    QTest::addColumn<QString>("sampleName");
    QTest::newRow("II") << "Form2"
                        << "II. DATA KONTAK"
                        << fieldNames(24) + QStringList{"SkinButton2", "SkinButton1"} << "Text9"
                        << "a. NIC Handle (3. Pembayaran)";
    QTest::newRow("III") << "Form4"
                         << "III. RESOURCE RECORD" << QStringList{"SkinButton2", "SkinButton1"}
                         << ""
                         << "";
    QTest::newRow("NS") << "Form5"
                        << "IV. NAME SERVER RECORD (NS)"
                        << fieldNames(10) + QStringList{"SkinButton1", "SkinButton2"} << "Text3"
                        << "a. Hostnames (SECONDARY)";
    QTest::newRow("MX") << "Form6"
                        << "IV. MAIL EXCHANGE RECORD ( MX )"
                        << fieldNames(15) + QStringList{"SkinButton1", "SkinButton2"} << "Text3"
                        << "Reference (PRIMARY)";
    QTest::newRow("V") << "Form7"
                       << "V. LEMBAR PERNYATAAN PEMOHON DOMAIN"
                       << fieldNames(2) + QStringList{"SkinButton2", "SkinButton1"} << "Text2"
                       << "11b. E-MAIL-PENDAFTAR";
}

void TestLaterPages::controlsAreNamedAndTabWalksThem() {
    QFETCH(QString, page);
    QFETCH(QString, title);
    QFETCH(QStringList, tabOrder);
    QFETCH(QString, sampleField);
    QFETCH(QString, sampleName);
    SkinWindow *window = reachPage(*windows, page);
    QVERIFY(waitUntilActive(window));
    QCOMPARE(window->windowTitle(), QStringLiteral("Velda"));
    QCOMPARE(window->findChild<SkinLabel *>(QString(), Qt::FindDirectChildrenOnly)->text(), title);
    QCOMPARE(::tabOrder(window), tabOrder);
    if (!sampleField.isEmpty())
        QCOMPARE(window->findChild<QLineEdit *>(sampleField)->accessibleName(), sampleName);

    // "Informasi" opens the viewer beside the page.
    if (auto *informasi = window->findChild<SkinButton *>(QStringLiteral("SkinButton2"));
        informasi->text() == QLatin1String("Informasi")) {
        informasi->click();
        QVERIFY(windows->Form13.get()->isVisible());
        QVERIFY(window->isVisible());
    }
}

// Every field empty is the whole run's case; here one field or group at a time.
void TestLaterPages::requiredFieldsAreCheckedInOrder_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("changes"); // "Text3" clears the field, "Text3= " sets a blank
    QTest::addColumn<QByteArray>("appended"); // empty: refused
    for (const char *field : {"Text1", "Text9", "Text17"})
        QTest::addRow("II %s empty", field) << "Form2" << QStringList{field} << QByteArray();
    for (const char *page : {"Form5", "Form6"})
        for (const QString &field : fieldNames(4))
            QTest::addRow("%s %s empty", page, qPrintable(field))
                << page << QStringList{field} << QByteArray();
    QTest::newRow("NS secondary #3 without #2")
        << "Form5" << QStringList{"Text5", "Text6"}
        << QByteArray("\r\n8a. Hostnames...........: \r\n8b. Netaddress..........: \r\n\r\n"
                      "9. Secondary Name Server\r\n9a. Hostnames...........: 4a\r\n");
    QTest::newRow("MX secondary host name only")
        << "Form6" << fieldNames(15).mid(4)
        << QByteArray("\r\n7a. Hostnames...........: 2a\r\n7b. Netaddress..........: \r\n"
                      "7c. Reference...........: \r\n\r\n8. Secondary MX Server\r\n");
    QTest::newRow("MX blank reference")
        << "Form6" << QStringList{"Text3= "} << QByteArray("\r\n6c. Reference...........:  \r\n");
    QTest::newRow("V address empty") << "Form7" << QStringList{"Text2"} << QByteArray();
    QTest::newRow("V name empty") << "Form7" << QStringList{"Text1"} << QByteArray();
}

void TestLaterPages::requiredFieldsAreCheckedInOrder() {
    QFETCH(QString, page);
    QFETCH(QStringList, changes);
    QFETCH(QByteArray, appended);
    SkinWindow *window = reachPage(*windows, page);
    fillPage(window);
    for (const QString &change : changes) {
        const QStringList parts = change.split(u'=');
        window->findChild<QLineEdit *>(parts[0])->setText(parts.value(1));
    }
    const QByteArray before = work->read("DAT.JOV");
    QPointer<SkinWindow> watch = window;
    window->findChild<SkinButton *>(QStringLiteral("SkinButton1"))->click();

    MessageDialog *dialog = raisedDialog(page);
    const QByteArray written = work->read("DAT.JOV").mid(before.size());
    if (appended.isEmpty()) {
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->parentWidget(), window); // modal to its page: no Next under it
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        QVERIFY(written.isEmpty());
        QVERIFY(!work->exists("DATM3.JOV"));
        QVERIFY(window->isVisible());
        QVERIFY(!windows->Form4.loaded());
        QCOMPARE(windows->Form7.loaded(), page == QLatin1String("Form7"));
        return;
    }
    QVERIFY(!dialog);
    QCOMPARE(written.count("\r\n"), page == QLatin1String("Form5") ? 22 : 27);
    QVERIFY2(written.contains(appended), written.constData());
    QCOMPARE(windows->Form7.get()->SkinForm1->CurrentSkin(), window->SkinForm1->CurrentSkin());
    QTRY_VERIFY(watch.isNull());
}

void TestLaterPages::dialogLeadsBackWithEverythingTyped_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("secondLine");
    QTest::newRow("II") << "Form2"
                        << "Maaf.. data kontak tidak lengkap."
                        << "Untuk melanjutkan, lengkapilah data yang belum terisi.";
    QTest::newRow("NS") << "Form5"
                        << "Maaf..  data NS Record belum lengkap."
                        << "       Sangat dianjurkan, minimal tercantum data    Primary dan "
                           "Secondary NS Record yang telah aktif.";
    QTest::newRow("MX") << "Form6"
                        << "Maaf.. data MX Record belum lengkap."
                        << "           Sangat diajurkan, minimal tercantum    Primary dan "
                           "Secondary MX Record yang telah aktif.";
    QTest::newRow("V") << "Form7"
                       << "Maaf.. data Nama dan/atau E-mail Pendaftar belum lengkap."
                       << " Mohon cantumkan nama anda     serta alamat e-mail yang valid.";
}

void TestLaterPages::dialogLeadsBackWithEverythingTyped() {
    QFETCH(QString, page);
    QFETCH(QString, firstLine);
    QFETCH(QString, secondLine);
    SkinWindow *window = reachPage(*windows, page);
    QVERIFY(waitUntilActive(window));
    auto *next = window->findChild<SkinButton *>(QStringLiteral("SkinButton1"));
    QTRY_VERIFY(!next->SkinElement()->isRunning());
    SkinElement *element = next->SkinElement();
    QLineEdit *last = window->findChildren<QLineEdit *>().last();
    last->setText(QStringLiteral("tetap di sini"));
    // The main window's skin changes behind the page: only page II's dialog takes it.
    const SkinRef pageSkin = window->SkinForm1->CurrentSkin();
    const SkinRef mainSkin = windows->frmMain.get()->skinStorages[6]->StoredSkin();
    windows->frmMain.get()->SkinForm1->setCurrentSkin(mainSkin);
    next->click();

    QPointer<MessageDialog> dialog = raisedDialog(page);
    QVERIFY(dialog);
    QSignalSpy beeps(dialog.data(), &MessageDialog::beepSounded);
    QVERIFY(waitUntilActive(dialog));
    QCOMPARE(beeps.count(), 1);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Aplikasi Terhenti..."));
    QCOMPARE(dialog->SkinLabel1->text(), firstLine);
    QCOMPARE(dialog->SkinLabel2->text(), secondLine);
    QCOMPARE(dialog->SkinButton1->text(), QStringLiteral("Baiklah.."));
    QCOMPARE(dialog->SkinForm1->CurrentSkin(),
             page == QLatin1String("Form2") ? mainSkin : pageSkin);

    dialog->SkinButton1->click(); // the window manager's close: in the whole run
    QVERIFY(waitUntilActive(window));
    QVERIFY(!dialog || !dialog->isVisible()); // an unloaded dialog may already be gone
    QCOMPARE(raisedDialog(page) != nullptr, page == QLatin1String("Form2")); // hidden, or unloaded
    QCOMPARE(last->text(), QStringLiteral("tetap di sini"));
    // Page II plays its entrance once, at load; the others on every activation.
    if (page == QLatin1String("Form2"))
        QVERIFY(next->SkinElement() == element && !element->isRunning());
    else
        QVERIFY(next->SkinElement()->isRunning());
}

void TestLaterPages::galleryControlsStayHiddenOnEveryActivation() {
    auto *page = static_cast<Form7 *>(reachPage(*windows, QStringLiteral("Form7")));
    page->SkinButton1->click();
    Form12 *dialog = windows->Form12.get();
    QCOMPARE(dialog->SkinLabel3->text(), QStringLiteral("You got it!! :-)"));
    QCOMPARE(dialog->SkinButton2->text(), QStringLiteral("Let me check your Password .."));
    QVERIFY(dialog->SkinLabel3->isHidden() && dialog->SkinButton2->isHidden());
    QVERIFY(waitUntilActive(dialog));
    QVERIFY(dialog->SkinLabel3->SkinElement()); // skinned although hidden

    dialog->SkinLabel3->show();
    dialog->SkinButton2->show();
    windows->Form13.get()->Show();
    QVERIFY(waitUntilActive(windows->Form13.get()));
    dialog->Show();
    QVERIFY(waitUntilActive(dialog));
    QVERIFY(dialog->SkinLabel3->isHidden() && dialog->SkinButton2->isHidden());
}

void TestLaterPages::choicePageTickerLivesAsLongAsThePage() {
    auto *page = static_cast<Form4 *>(reachPage(*windows, QStringLiteral("Form4")));
    QCOMPARE(page->SkinLabel8->text(),
             QStringLiteral("1. Pilihlah antara MX atau NS namun jangan keduanya."));
    QCOMPARE(page->Picture1->labels[0]->text(),
             QStringLiteral(" Statik IP dibutuhkan untuk data MX atau NS ini .."));
    QVERIFY(page->SkinButton2->x() < page->SkinButton1->x()); // MX on the left
    QPointer<TickerStrip> ticker = page->Picture1;
    QVERIFY(ticker->Timer1->isActive());
    QTRY_VERIFY(ticker->stripLeft() < 3600);

    // Back from another window of the program, the entrance plays again.
    QVERIFY(waitUntilActive(page));
    QTRY_VERIFY(!page->SkinButton1->SkinElement()->isRunning());
    windows->Form13.get()->Show();
    QVERIFY(waitUntilActive(windows->Form13.get()));
    page->Show();
    QVERIFY(waitUntilActive(page));
    QVERIFY(page->SkinButton1->SkinElement()->isRunning());

    const QByteArray before = work->read("DAT.JOV");
    page->SkinButton1->click();
    QVERIFY(windows->Form5.get()->isVisible());
    QVERIFY(!windows->Form4.loaded());
    QTRY_VERIFY(ticker.isNull());
    QCOMPARE(work->read("DAT.JOV"), before);
}

void TestLaterPages::senderFilesHoldExactlyWhatWasTyped() {
    auto *page = static_cast<Form7 *>(reachPage(*windows, QStringLiteral("Form7")));
    work->write("DATM3.JOV", "lama.sekali@contoh-lama.qv"); // left from an earlier run
    work->write("DATM4.JOV", "Nama Pendaftar Yang Lama");
    page->Text1->setText(QStringLiteral("  "));
    page->Text2->setText(QStringLiteral(" sari@lumbung.usaha.qv "));
    page->SkinButton1->click();
    QCOMPARE(work->read("DATM3.JOV"), " sari@lumbung.usaha.qv ");
    QCOMPARE(work->read("DATM4.JOV"), "  ");
    QVERIFY(work->read("DAT.JOV").contains("\r\n11a. NAMA-PENDAFTAR.....:   \r\n"));
    QVERIFY(windows->frmMail.get()->isVisible());
}

QTEST_MAIN(TestLaterPages)
#include "tst_later_pages.moc"
