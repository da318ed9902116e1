// Page I: the six checks and their dialog, and what its fields put into the four work files.
#include "support/gui_fixture.h"
#include "ui/skin_button.h"
#include "wizard/contact_page.h"
#include "wizard/incomplete_data_dialog.h"
#include "wizard/main_window.h"

#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QRadioButton>

class TestPageOne : public GuiTest {
    Q_OBJECT
private slots:
    void init();
    void incompletePageRaisesOneDialogAndWritesNothing_data();
    void incompletePageRaisesOneDialogAndWritesNothing();
    void dialogBeepsAfterTakingTheSkinAndLeadsBack();
    void completePageWritesItsFilesAndMovesOn();
    void blanksCountAsContent();
    void descriptionIsWrittenAsTyped_data();
    void descriptionIsWrittenAsTyped();

private:
    void fillPage();
    QPlainTextEdit *description() const { return control<QPlainTextEdit>(page, "Text3"); }
    QComboBox *zone() const { return control<QComboBox>(page, "Combo1"); }
    SkinButton *next() const { return button(page, "SkinButton3"); }
    frmMain *page = nullptr;
};

void TestPageOne::init() {
    GuiTest::init();
    page = window<frmMain>();
    QVERIFY(waitUntilActive(page));
}

// Every field filled, status UBAH, the zone the second entry of the list.
void TestPageOne::fillPage() {
    control<QRadioButton>(page, "Option2")->setChecked(true);
    field(page, "Text1")->setText(QStringLiteral("pelabuhan"));
    zone()->setCurrentIndex(1);
    field(page, "Text2")->setText(QStringLiteral("Yayasan Pelabuhan Biru"));
    description()->setPlainText(QStringLiteral("Kegiatan sosial\nwarga pesisir"));
    field(page, "Text4")->setText(QStringLiteral("AKTA 12/2026"));
    field(page, "Text5")->setText(QStringLiteral("Rina, 555-0101"));
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
        zone()->setEditText(QStringLiteral("domain"));
    else if (emptyField == QLatin1String("zone-empty"))
        zone()->setEditText(QString());
    else if (emptyField == QLatin1String("Text3"))
        description()->clear();
    else if (emptyField == QLatin1String("three")) {
        field(page, "Text1")->clear();
        description()->clear();
        field(page, "Text5")->clear();
    } else
        field(page, emptyField)->clear();

    next()->click();

    QVERIFY(isLoaded("FormMessageBox"));
    QVERIFY(incompleteDialog("FormMessageBox")->isVisible());
    QCOMPARE(countTopLevel(
                 [](QWidget *w) { return w->isVisible() && qobject_cast<MessageDialog *>(w); }),
             1);
    QVERIFY(QDir().entryList(QDir::Files).isEmpty());
    QVERIFY(page->isVisible());
    QVERIFY(!loaded<Form2>());
}

void TestPageOne::dialogBeepsAfterTakingTheSkinAndLeadsBack() {
    const SkinRef media = chooseSkin(page, 6);
    field(page, "Text2")->setText(QStringLiteral("tetap di sini"));
    IncompleteDataDialog *dialog = incompleteDialog("FormMessageBox");
    SkinButton *baiklah = button(dialog, "SkinButton1");
    QStringList steps;
    connect(dialog->SkinForm1, &SkinForm::skinChanged, this, [&] { steps << "skin"; });
    connect(dialog, &MessageDialog::beepSounded, this,
            [&] { steps << (baiklah->SkinElement() ? "beep after skinning controls" : "beep"); });

    next()->click();
    // A hand-over for each of the five failed checks, then on activation the skin is
    // set again, the beep sounds, and only then are the controls skinned.
    QVERIFY(waitUntilActive(dialog));
    QCOMPARE(steps, QStringList({"skin", "skin", "skin", "skin", "skin", "skin", "beep"}));
    QCOMPARE(dialog->SkinForm1->CurrentSkin(), media);
    QVERIFY(baiklah->SkinElement());

    baiklah->click();
    QVERIFY(!dialog->isVisible());
    QVERIFY(page->isVisible());
    QCOMPARE(field(page, "Text2")->text(), QStringLiteral("tetap di sini"));
}

// The document tests and the whole run pin the bytes of page I's files; here the subject
// shows that the page passes on the status chosen and the zone of the entry chosen.
void TestPageOne::completePageWritesItsFilesAndMovesOn() {
    fillPage();
    next()->click();
    QVERIFY(!isLoaded("FormMessageBox"));
    QVERIFY(loaded<Form2>() && window<Form2>()->isVisible());
    QVERIFY(!page->isVisible());
    QCOMPARE(window<Form2>()->SkinForm1->CurrentSkin(), page->SkinForm1->CurrentSkin());
    QCOMPARE(work().read("DATM1.JOV"), "ubah pelabuhan.yayasan.qv");
}

void TestPageOne::blanksCountAsContent() {
    fillPage();
    field(page, "Text1")->setText(QStringLiteral(" "));
    zone()->setEditText(QStringLiteral(".pribadi")); // typed by hand, matches nothing
    auto *status = control<QRadioButton>(page, "Option2");
    status->setAutoExclusive(false);
    status->setChecked(false);
    next()->click();
    QVERIFY(loaded<Form2>());
    // Passed on as typed: no status, a blank name and a zone of no entry.
    const QByteArray document = work().read("DAT.JOV");
    QVERIFY(document.contains("\r\n1b. Nama Domain.........:  .pribadi.qv\r\n"));
    QVERIFY(!document.contains("1a."));
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
    QPlainTextEdit *text = description();
    text->clear();
    text->setFocus();
    for (const QString &piece : typing) {
        if (piece == QLatin1String("<enter>"))
            QTest::keyClick(text, Qt::Key_Return);
        else if (piece == QLatin1String("<shift-enter>"))
            QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
        else
            text->insertPlainText(QString(piece).replace(u'~', QChar::Nbsp));
    }
    next()->click();
    QVERIFY(loaded<Form2>());
    const QByteArray document = work().read("DAT.JOV");
    const QByteArray line =
        "\r\n1d. Keterangan..........: " + written.replace('~', '\xA0') + "\r\n1e. ";
    QVERIFY2(document.contains(line),
             document.mid(document.indexOf("\r\n1d.")).toHex(' ').constData());
}

QTEST_MAIN(TestPageOne)
#include "tst_page_one.moc"
