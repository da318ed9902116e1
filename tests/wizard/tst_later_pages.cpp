// Pages II to V: their controls for keyboard and screen reader, the required fields and
// their order, the dialogs and the way back, page III's ticker, page V's sender files.
#include "mail/send_page.h"
#include "support/gui_fixture.h"
#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "ui/ticker_strip.h"
#include "wizard/declaration_message_box.h"
#include "wizard/declaration_page.h"
#include "wizard/incomplete_data_dialog.h"
#include "wizard/information_viewer.h"
#include "wizard/main_window.h"
#include "wizard/name_server_page.h"
#include "wizard/record_choice_page.h"

namespace {
QStringList fieldNames(int count) {
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << QStringLiteral("Text%1").arg(i);
    return names;
}
} // namespace

class TestLaterPages : public GuiTest {
    Q_OBJECT
private slots:
    void init();
    void requiredFieldsAreCheckedInOrder_data();
    void requiredFieldsAreCheckedInOrder();
    void dialogTakesItsSkinAndLeadsBack_data();
    void dialogTakesItsSkinAndLeadsBack();
    void choicePageTickerLivesAsLongAsThePage();
    void senderFilesHoldExactlyWhatWasTyped();

private:
    // The dialog the page raised, if it is loaded.
    MessageDialog *raisedDialog(const QString &page);
};

void TestLaterPages::init() {
    GuiTest::init();
    QVERIFY(waitUntilActive(window<frmMain>()));
}

MessageDialog *TestLaterPages::raisedDialog(const QString &page) {
    if (page == QLatin1String("Form2"))
        return isLoaded("Form3") ? incompleteDialog("Form3") : nullptr;
    if (page == QLatin1String("Form5"))
        return isLoaded("Form10") ? incompleteDialog("Form10") : nullptr;
    if (page == QLatin1String("Form6"))
        return isLoaded("Form11") ? incompleteDialog("Form11") : nullptr;
    return loaded<Form12>() ? window<Form12>() : nullptr;
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
    SkinWindow *shown = reachPage(page);
    fillPage(shown);
    for (const QString &change : changes) {
        const QStringList parts = change.split(u'=');
        field(shown, parts[0])->setText(parts.value(1));
    }
    const QByteArray before = work().read("DAT.JOV");
    QPointer<SkinWindow> watch = shown;
    nextButton(shown)->click();

    MessageDialog *dialog = raisedDialog(page);
    const QByteArray written = work().read("DAT.JOV").mid(before.size());
    if (appended.isEmpty()) {
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(written.isEmpty());
        QVERIFY(!work().exists("DATM3.JOV"));
        QVERIFY(shown->isVisible());
        QVERIFY(!loaded<Form4>());
        QCOMPARE(loaded<Form7>(), page == QLatin1String("Form7"));
        return;
    }
    QVERIFY(!dialog);
    QCOMPARE(written.count("\r\n"), page == QLatin1String("Form5") ? 22 : 27);
    QVERIFY2(written.contains(appended), written.constData());
    QCOMPARE(window<Form7>()->SkinForm1->CurrentSkin(), shown->SkinForm1->CurrentSkin());
    QTRY_VERIFY(watch.isNull());
}

// Names and Tab orders are the accessibility walk's and the keyboard run's.
void TestLaterPages::dialogTakesItsSkinAndLeadsBack_data() {
    QTest::addColumn<QString>("page");
    for (const char *page : {"Form2", "Form5", "Form6", "Form7"})
        QTest::newRow(page) << page;
}

void TestLaterPages::dialogTakesItsSkinAndLeadsBack() {
    QFETCH(QString, page);
    SkinWindow *shown = reachPage(page);
    QVERIFY(waitUntilActive(shown));
    SkinButton *next = nextButton(shown);
    QTRY_VERIFY(!next->SkinElement()->isRunning());
    SkinElement *element = next->SkinElement();
    QLineEdit *last = shown->findChildren<QLineEdit *>().last();
    last->setText(QStringLiteral("tetap di sini"));
    // The main window's skin changes behind the page: only page II's dialog takes it.
    const SkinRef pageSkin = shown->SkinForm1->CurrentSkin();
    const SkinRef mainSkin = chooseSkin(window<frmMain>(), 6);
    next->click();

    QPointer<MessageDialog> dialog = raisedDialog(page);
    QVERIFY(dialog);
    QSignalSpy beeps(dialog.data(), &MessageDialog::beepSounded);
    QVERIFY(waitUntilActive(dialog));
    QCOMPARE(beeps.count(), 1);
    QCOMPARE(dialog->SkinForm1->CurrentSkin(),
             page == QLatin1String("Form2") ? mainSkin : pageSkin);
    if (page == QLatin1String("Form7")) { // the gallery's controls, skinned and kept hidden
        auto *chordLabel = control<SkinLabel>(dialog, "SkinLabel3");
        QVERIFY(chordLabel->isHidden() && chordLabel->SkinElement());
        chordLabel->show();
        button(dialog, "SkinButton2")->show();
        QVERIFY(activateAgain(dialog));
        QVERIFY(chordLabel->isHidden() && button(dialog, "SkinButton2")->isHidden());
    }

    button(dialog, "SkinButton1")->click(); // the window manager's close: in the whole run
    QVERIFY(waitUntilActive(shown));
    QVERIFY(!dialog || !dialog->isVisible()); // an unloaded dialog may already be gone
    QCOMPARE(raisedDialog(page) != nullptr, page == QLatin1String("Form2")); // hidden, or unloaded
    QCOMPARE(last->text(), QStringLiteral("tetap di sini"));
    // Page II plays its entrance once, at load; the others on every activation.
    if (page == QLatin1String("Form2"))
        QVERIFY(next->SkinElement() == element && !element->isRunning());
    else
        QVERIFY(next->SkinElement()->isRunning());

    // "Informasi" opens the viewer beside the page.
    if (SkinButton *informasi = button(shown, "SkinButton2");
        informasi->text() == QLatin1String("Informasi")) {
        informasi->click();
        QVERIFY(window<Form13>()->isVisible());
        QVERIFY(shown->isVisible());
    }
}

void TestLaterPages::choicePageTickerLivesAsLongAsThePage() {
    SkinWindow *page = reachPage(QStringLiteral("Form4"));
    SkinButton *ns = button(page, "SkinButton1");
    QVERIFY(button(page, "SkinButton2")->x() < ns->x()); // MX on the left
    QPointer<TickerStrip> ticker = control<TickerStrip>(page, "Picture1");
    QVERIFY(ticker->findChild<QTimer *>()->isActive());
    QTRY_VERIFY(ticker->stripLeft() < 3600);

    // Back from another window, the entrance plays again.
    QVERIFY(waitUntilActive(page));
    QTRY_VERIFY(!ns->SkinElement()->isRunning());
    QVERIFY(activateAgain(page));
    QVERIFY(ns->SkinElement()->isRunning());

    const QByteArray before = work().read("DAT.JOV");
    ns->click();
    QVERIFY(window<Form5>()->isVisible());
    QVERIFY(!loaded<Form4>());
    QTRY_VERIFY(ticker.isNull());
    QCOMPARE(work().read("DAT.JOV"), before);
}

void TestLaterPages::senderFilesHoldExactlyWhatWasTyped() {
    SkinWindow *page = reachPage(QStringLiteral("Form7"));
    work().write("DATM3.JOV", "lama.sekali@contoh-lama.qv"); // left from an earlier run
    work().write("DATM4.JOV", "Nama Pendaftar Yang Lama");
    field(page, "Text1")->setText(QStringLiteral("  "));
    field(page, "Text2")->setText(QStringLiteral(" sari@lumbung.usaha.qv "));
    nextButton(page)->click();
    QCOMPARE(work().read("DATM3.JOV"), " sari@lumbung.usaha.qv ");
    QCOMPARE(work().read("DATM4.JOV"), "  ");
    QVERIFY(work().read("DAT.JOV").contains("\r\n11a. NAMA-PENDAFTAR.....:   \r\n"));
    QVERIFY(window<frmMail>()->isVisible());
}

QTEST_MAIN(TestLaterPages)
#include "tst_later_pages.moc"
