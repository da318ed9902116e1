// Page II: its grid, the three NIC-handle checks and their dialog, the main window's skin
// taken once at load, and the move to page III.
#include "quick_start.h"
#include "support/work_dir.h"
#include "wizard/contact_message_box.h"
#include "wizard/information_viewer.h"
#include "wizard_run.h"

#include <QtTest>

class TestContactPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void gridIsNamedAndTabRunsDownEachContact();
    void missingHandleRaisesTheDialogAndWritesNothing_data();
    void missingHandleRaisesTheDialogAndWritesNothing();
    void dialogTakesTheMainSkinAndLeadsBackWithoutReplayingTheEntrance();
    void completePageHandsItsSkinToPageThreeAndStaysLoaded();

private:
    std::unique_ptr<ScopedWorkDir> work;
    std::unique_ptr<WindowSet> windows;
    Form2 *page = nullptr;
};

void TestContactPage::init() {
    work = std::make_unique<ScopedWorkDir>();
    windows = std::make_unique<WindowSet>(quickStart());
    QVERIFY(waitUntilActive(windows->frmMain.get()));
    page = completePageOne(*windows);
    QVERIFY(page);
    QVERIFY(waitUntilActive(page));
}

void TestContactPage::cleanup() {
    windows.reset();
    work.reset();
}

void TestContactPage::gridIsNamedAndTabRunsDownEachContact() {
    QCOMPARE(page->windowTitle(), QStringLiteral("Velda"));
    QCOMPARE(page->SkinLabel1->text(), QStringLiteral("II. DATA KONTAK"));
    QCOMPARE(page->rowLabels[6]->text(), QStringLiteral("g.Telepon"));
    QCOMPARE(page->SkinButton1->text(), QStringLiteral("Selanjutnya..."));
    QCOMPARE(page->Texts[8]->accessibleName(), QStringLiteral("a. NIC Handle (3. Pembayaran)"));
    QVERIFY2(namingProblemsIn(page).isEmpty(), qPrintable(namingProblemsIn(page)));
    QStringList expected;
    for (int i = 1; i <= 24; ++i)
        expected << QStringLiteral("Text%1").arg(i);
    expected << "SkinButton2"
             << "SkinButton1";
    QCOMPARE(tabOrder(page), expected);
    // Columns are contacts, rows are items: Text9 stands beside Text1, Text2 under it.
    QCOMPARE(page->Texts[8]->y(), page->Texts[0]->y());
    QVERIFY(page->Texts[8]->x() > page->Texts[0]->x());
    QVERIFY(page->Texts[1]->y() > page->Texts[0]->y());
}

void TestContactPage::missingHandleRaisesTheDialogAndWritesNothing_data() {
    QTest::addColumn<QList<int>>("emptied");
    QTest::newRow("administrative") << QList<int>{0};
    QTest::newRow("billing only") << QList<int>{8};
    QTest::newRow("technical") << QList<int>{16};
    QTest::newRow("all 24 fields") << QList<int>{};
}

void TestContactPage::missingHandleRaisesTheDialogAndWritesNothing() {
    QFETCH(QList<int>, emptied);
    fillContacts(page);
    for (int index : emptied)
        page->Texts[index]->clear();
    if (emptied.isEmpty())
        for (QLineEdit *field : page->Texts)
            field->clear();
    const QByteArray before = work->read("DAT.JOV");
    page->SkinButton1->click();

    QVERIFY(windows->Form3.loaded());
    Form3 *dialog = windows->Form3.get();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Aplikasi Terhenti..."));
    QCOMPARE(dialog->SkinLabel1->text(), QStringLiteral("Maaf.. data kontak tidak lengkap."));
    QCOMPARE(dialog->SkinLabel2->text(),
             QStringLiteral("Untuk melanjutkan, lengkapilah data yang belum terisi."));
    // Modal to its page: nothing can complete the page under it.
    QCOMPARE(dialog->parentWidget(), page);
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    QCOMPARE(work->read("DAT.JOV"), before);
    QVERIFY(!windows->Form4.loaded());
    QVERIFY(page->isVisible());
}

void TestContactPage::dialogTakesTheMainSkinAndLeadsBackWithoutReplayingTheEntrance() {
    QTRY_VERIFY(!page->SkinButton1->SkinElement()->isRunning());
    SkinElement *element = page->SkinButton1->SkinElement();
    QVERIFY(element->lastScript().startsWith(QStringLiteral("wait 500; moveto - ")));
    QVERIFY(page->SkinButton2->SkinElement()->lastScript().endsWith(QStringLiteral(" 1000 accel")));

    // A blank handle passes; the empty technical one does not.
    fillContacts(page);
    page->Texts[0]->setText(QStringLiteral(" "));
    page->Texts[16]->clear();
    const SkinRef media = windows->frmMain.get()->skinStorages[6]->StoredSkin();
    windows->frmMain.get()->SkinForm1->setCurrentSkin(media);
    page->SkinButton1->click();
    Form3 *dialog = windows->Form3.get();
    QSignalSpy beeps(dialog, &MessageDialog::beepSounded);
    QVERIFY(waitUntilActive(dialog));
    QCOMPARE(beeps.count(), 1);
    QCOMPARE(dialog->SkinForm1->CurrentSkin(), media);
    QVERIFY(page->SkinForm1->CurrentSkin() != media);

    // Closed through the window manager, it does what "Baiklah.." does.
    dialog->close();
    QVERIFY(!dialog->isVisible());
    QVERIFY(windows->Form3.loaded());
    QVERIFY(waitUntilActive(page));
    QCOMPARE(page->SkinButton1->SkinElement(), element);
    QVERIFY(!element->isRunning());
    QCOMPARE(page->Texts[0]->text(), QStringLiteral(" "));
    QCOMPARE(page->Texts[23]->text(), QStringLiteral("Ch"));
}

void TestContactPage::completePageHandsItsSkinToPageThreeAndStaysLoaded() {
    fillContacts(page);
    page->SkinButton2->click();
    QVERIFY(windows->Form13.get()->isVisible());
    QCOMPARE(windows->Form13.get()->SkinForm1->CurrentSkin(), page->SkinForm1->CurrentSkin());

    page->SkinButton1->click();
    QVERIFY(windows->Form4.loaded());
    QVERIFY(windows->Form4.get()->isVisible());
    QCOMPARE(windows->Form4.get()->SkinForm1->CurrentSkin(), page->SkinForm1->CurrentSkin());
    QVERIFY(!page->isVisible());
    QVERIFY(windows->Form2.loaded());
    QCOMPARE(page->Texts[9]->text(), QStringLiteral("Bb"));
}

QTEST_MAIN(TestContactPage)
#include "tst_contact_page.moc"
