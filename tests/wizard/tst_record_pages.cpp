// Page III's choice and the record pages of both kinds: required fields in order, their
// dialogs, the way back, and the move to page V.
#include "quick_start.h"
#include "support/work_dir.h"
#include "wizard/information_viewer.h"
#include "wizard/mail_exchanger_message_box.h"
#include "wizard/name_server_message_box.h"
#include "wizard_run.h"

#include <QtTest>

namespace {
// The dialog the record page raises, if it is there.
MessageDialog *recordDialog(WindowSet &windows, RecordType type) {
    if (type == RecordType::NameServer)
        return windows.Form10.loaded() ? windows.Form10.get() : nullptr;
    return windows.Form11.loaded() ? windows.Form11.get() : nullptr;
}
} // namespace

class TestRecordPages : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void choicePageShowsItsRemarksAndReplaysItsEntrance();
    void choiceOpensItsPageAndUnloadsItself_data();
    void choiceOpensItsPageAndUnloadsItself();
    void recordPageIsNamedAndTabWalksItsFields_data();
    void recordPageIsNamedAndTabWalksItsFields();
    void requiredFieldsAreCheckedInOrder_data();
    void requiredFieldsAreCheckedInOrder();
    void dialogLeadsBackToThePageWithEverythingTyped_data();
    void dialogLeadsBackToThePageWithEverythingTyped();

private:
    std::unique_ptr<ScopedWorkDir> work;
    std::unique_ptr<WindowSet> windows;
};

void TestRecordPages::init() {
    work = std::make_unique<ScopedWorkDir>();
    windows = std::make_unique<WindowSet>(quickStart());
    QVERIFY(waitUntilActive(windows->frmMain.get()));
}

void TestRecordPages::cleanup() {
    windows.reset();
    work.reset();
}

void TestRecordPages::choicePageShowsItsRemarksAndReplaysItsEntrance() {
    Form4 *page = completeContacts(*windows);
    QVERIFY(page);
    QCOMPARE(page->SkinLabel2->text(), QStringLiteral("III. RESOURCE RECORD"));
    QCOMPARE(page->SkinLabel7->text(), QStringLiteral("Mail eXchange Server"));
    QCOMPARE(page->SkinLabel8->text(),
             QStringLiteral("1. Pilihlah antara MX atau NS namun jangan keduanya."));
    QCOMPARE(page->Picture1->labels[0]->text(),
             QStringLiteral(" Statik IP dibutuhkan untuk data MX atau NS ini .."));
    QVERIFY(page->Picture1->Timer1->isActive());
    QVERIFY(page->SkinButton2->x() < page->SkinButton1->x()); // MX on the left
    QCOMPARE(tabOrder(page), QStringList({"SkinButton2", "SkinButton1"}));
    QVERIFY2(namingProblemsIn(page).isEmpty(), qPrintable(namingProblemsIn(page)));

    QVERIFY(waitUntilActive(page));
    QTRY_VERIFY(!page->SkinButton1->SkinElement()->isRunning());
    windows->Form13.get()->Show();
    QVERIFY(waitUntilActive(windows->Form13.get()));
    page->Show();
    QVERIFY(waitUntilActive(page));
    QVERIFY(page->SkinButton1->SkinElement()->isRunning());
    QVERIFY(page->SkinPanel1->SkinElement()); // the remarks heading is skinned too
}

void TestRecordPages::choiceOpensItsPageAndUnloadsItself_data() {
    QTest::addColumn<RecordType>("type");
    QTest::newRow("NS Record") << RecordType::NameServer;
    QTest::newRow("MX Record") << RecordType::MailExchanger;
}

void TestRecordPages::choiceOpensItsPageAndUnloadsItself() {
    QFETCH(RecordType, type);
    Form4 *choice = completeContacts(*windows);
    QPointer<TickerStrip> ticker = choice->Picture1;
    const SkinRef skin = choice->SkinForm1->CurrentSkin();
    const QByteArray before = work->read("DAT.JOV");
    (type == RecordType::NameServer ? choice->SkinButton1 : choice->SkinButton2)->click();

    RecordPage *page = type == RecordType::NameServer
                           ? static_cast<RecordPage *>(windows->Form5.get())
                           : windows->Form6.get();
    QVERIFY(page->isVisible());
    QCOMPARE(page->SkinForm1->CurrentSkin(), skin);
    QVERIFY(!windows->Form4.loaded());
    QTRY_VERIFY(ticker.isNull());                                  // and its timer with it
    QVERIFY(!windows->Form5.loaded() || !windows->Form6.loaded()); // never both branches
    QCOMPARE(work->read("DAT.JOV"), before);
}

void TestRecordPages::recordPageIsNamedAndTabWalksItsFields_data() {
    choiceOpensItsPageAndUnloadsItself_data();
}

void TestRecordPages::recordPageIsNamedAndTabWalksItsFields() {
    QFETCH(RecordType, type);
    RecordPage *page = chooseRecords(*windows, type);
    const bool ns = type == RecordType::NameServer;
    QCOMPARE(page->SkinLabel1->text(), ns ? QStringLiteral("IV. NAME SERVER RECORD (NS)")
                                          : QStringLiteral("IV. MAIL EXCHANGE RECORD ( MX )"));
    QCOMPARE(page->SkinButton1->text(), QStringLiteral("Selanjutnya.."));
    QCOMPARE(page->Texts[2]->accessibleName(), ns ? QStringLiteral("a. Hostnames (SECONDARY)")
                                                  : QStringLiteral("Reference (PRIMARY)"));
    QVERIFY2(namingProblemsIn(page).isEmpty(), qPrintable(namingProblemsIn(page)));
    QStringList expected;
    for (int i = 1; i <= (ns ? 10 : 15); ++i)
        expected << QStringLiteral("Text%1").arg(i);
    expected << "SkinButton1"
             << "SkinButton2";
    QCOMPARE(tabOrder(page), expected);
    QVERIFY(page->SkinButton1->y() < page->SkinButton2->y()); // "Selanjutnya.." on top
}

void TestRecordPages::requiredFieldsAreCheckedInOrder_data() {
    QTest::addColumn<RecordType>("type");
    QTest::addColumn<QList<int>>("emptied"); // field numbers
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QByteArray>("appendedLine");
    for (RecordType type : {RecordType::NameServer, RecordType::MailExchanger}) {
        const char *kind = type == RecordType::NameServer ? "NS" : "MX";
        for (int field = 1; field <= 4; ++field)
            QTest::addRow("%s Text%d empty", kind, field)
                << type << QList<int>{field} << false << QByteArray();
    }
    QTest::newRow("NS secondary #3 without #2")
        << RecordType::NameServer << QList<int>{5, 6} << true
        << QByteArray("\r\n8a. Hostnames...........: \r\n8b. Netaddress..........: \r\n\r\n"
                      "9. Secondary Name Server\r\n9a. Hostnames...........: 4a\r\n");
    QTest::newRow("MX secondary host name only")
        << RecordType::MailExchanger << QList<int>{5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15} << true
        << QByteArray("\r\n7a. Hostnames...........: 2a\r\n7b. Netaddress..........: \r\n"
                      "7c. Reference...........: \r\n");
    QTest::newRow("MX blank reference") << RecordType::MailExchanger << QList<int>{} << true
                                        << QByteArray("\r\n6c. Reference...........:  \r\n");
}

void TestRecordPages::requiredFieldsAreCheckedInOrder() {
    QFETCH(RecordType, type);
    QFETCH(QList<int>, emptied);
    QFETCH(bool, accepted);
    QFETCH(QByteArray, appendedLine);
    RecordPage *page = chooseRecords(*windows, type);
    fillRecords(page);
    if (emptied.isEmpty())
        page->Texts[2]->setText(QStringLiteral(" "));
    for (int field : emptied)
        page->Texts[field - 1]->clear();
    const QByteArray before = work->read("DAT.JOV");
    QPointer<RecordPage> watch = page;
    page->SkinButton1->click();

    QCOMPARE(recordDialog(*windows, type) != nullptr, !accepted);
    QCOMPARE(windows->Form7.loaded(), accepted);
    const QByteArray appended = work->read("DAT.JOV").mid(before.size());
    if (!accepted) {
        QVERIFY(appended.isEmpty());
        QVERIFY(page->isVisible());
        return;
    }
    QCOMPARE(appended.count("\r\n"), type == RecordType::NameServer ? 22 : 27);
    QVERIFY2(appended.contains(appendedLine), appended.constData());
    QCOMPARE(windows->Form7.get()->SkinForm1->CurrentSkin(), page->SkinForm1->CurrentSkin());
    QTRY_VERIFY(watch.isNull());
}

void TestRecordPages::dialogLeadsBackToThePageWithEverythingTyped_data() {
    QTest::addColumn<RecordType>("type");
    QTest::addColumn<bool>("closeThroughWindowManager");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("secondLine");
    QTest::newRow("NS, Baiklah..")
        << RecordType::NameServer << false << "Maaf..  data NS Record belum lengkap."
        << "       Sangat dianjurkan, minimal tercantum data    Primary dan Secondary NS Record "
           "yang telah aktif.";
    QTest::newRow("MX, closed")
        << RecordType::MailExchanger << true << "Maaf.. data MX Record belum lengkap."
        << "           Sangat diajurkan, minimal tercantum    Primary dan Secondary MX Record yang "
           "telah aktif.";
}

void TestRecordPages::dialogLeadsBackToThePageWithEverythingTyped() {
    QFETCH(RecordType, type);
    QFETCH(bool, closeThroughWindowManager);
    QFETCH(QString, firstLine);
    QFETCH(QString, secondLine);
    RecordPage *page = chooseRecords(*windows, type);
    QVERIFY(waitUntilActive(page));
    page->Texts[0]->setText(QStringLiteral("ns.lumbung.qv"));
    page->Texts.back()->setText(QStringLiteral("cadangan"));
    const SkinRef skin = page->SkinForm1->CurrentSkin();
    page->SkinButton1->click();

    MessageDialog *dialog = recordDialog(*windows, type);
    QVERIFY(dialog);
    QSignalSpy beeps(dialog, &MessageDialog::beepSounded);
    QVERIFY(waitUntilActive(dialog));
    QCOMPARE(beeps.count(), 1);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Aplikasi Terhenti..."));
    QCOMPARE(dialog->SkinLabel1->text(), firstLine);
    QCOMPARE(dialog->SkinLabel2->text(), secondLine);
    QCOMPARE(dialog->SkinForm1->CurrentSkin(), skin);
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    QTRY_VERIFY(!page->SkinButton1->SkinElement()->isRunning());

    if (closeThroughWindowManager)
        dialog->close();
    else
        dialog->SkinButton1->click();
    QVERIFY(!recordDialog(*windows, type));
    QVERIFY(waitUntilActive(page));
    QCOMPARE(page->Texts[0]->text(), QStringLiteral("ns.lumbung.qv"));
    QCOMPARE(page->Texts.back()->text(), QStringLiteral("cadangan"));
    QVERIFY(page->SkinButton1->SkinElement()->isRunning()); // the entrance again
}

QTEST_MAIN(TestRecordPages)
#include "tst_record_pages.moc"
