// Whole runs through the real windows: page I to "Selesai" with the mail a real SMTP server
// receives compared byte for byte, a run left halfway and the fresh run after it, no page
// completed under its dialog and one window on the screen at every step, the keyboard alone;
// and what every page does when a work file cannot be written.
#include "extras/credits_roll.h"
#include "mail/send_page.h"
#include "support/gui_fixture.h"
#include "support/smtp_test_server.h"
#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "wizard/contact_page.h"
#include "wizard/declaration_page.h"
#include "wizard/information_viewer.h"
#include "wizard/main_window.h"
#include "wizard/record_choice_page.h"
#include "wizard/work_file_error_dialog.h"

#include <QDir>
#include <QTimeZone>

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

// The mail of a complete run as the server keeps it: sent at 15:10:49 on 5 December 2026 by
// a clock seven hours ahead of UTC, with the whole document as its body, then the line end
// of the body line and one more.
QByteArray expectedMail(const QByteArray &document) {
    return "From: Sari Wulandari <sari@lumbung.usaha.qv>\r\n"
           "Date: Sat, 05 Dec 2026 15:10:49 +0700\r\n"
           "X-Mailer: JOV-MAILER v 1.0 -- Used in VELD KAVRO v 1.03 --\r\n"
           "To: <daftar-usaha@nic.qv>\r\n"
           "Subject: baru lumbung.usaha.qv\r\n"
           "MIME-Version: 1.0\r\n"
           "Content-Type: text/plain; charset=windows-1252\r\n"
           "Content-Transfer-Encoding: 8bit\r\n"
           "\r\n" +
           document + "\r\n\r\n";
}

// The names of the program's windows on the screen.
QStringList shownWindows() {
    QStringList names;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            names << window->objectName();
    names.sort();
    return names;
}

// The one window on the screen, or none when there are more or none.
SkinWindow *onlyShownWindow() {
    const QStringList shown = shownWindows();
    return shown.size() == 1 ? topLevelNamed<SkinWindow>(shown.first()) : nullptr;
}

// A click as the window system delivers it: a window under a modal dialog does not get it.
void clickThroughWindowSystem(SkinButton *control) {
    QTRY_VERIFY(!control->SkinElement() || !control->SkinElement()->isRunning()); // in place
    QWidget *window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      control->mapTo(window, control->rect().center()));
}

// Keys go where a keyboard's go: to the window that has the focus.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QGuiApplication::focusWindow(), key, modifiers);
}

void type(const QString &text) {
    for (const QChar character : text)
        QTest::keyClick(QGuiApplication::focusWindow(), character.toLatin1());
}

QString focused() {
    const QWidget *widget = QApplication::focusWidget();
    return widget ? widget->window()->objectName() + u'/' + widget->objectName() : QString();
}

// Tab until the control of that name has the focus, as a user looking for it would, and
// press the key given there.
bool tabTo(const QString &name, Qt::Key then = Qt::Key_unknown) {
    for (int presses = 0; presses < 40; ++presses) {
        if (focused().endsWith(u'/' + name)) {
            if (then != Qt::Key_unknown)
                press(then);
            return true;
        }
        press(Qt::Key_Tab);
    }
    return false;
}

// Types each value into the control that has the focus and goes on with Tab; the focus
// must walk the fields named, in their order ("Text1", "Text2" ... when none are named).
void typeIntoFields(const QString &window, const QStringList &values, QStringList fields = {}) {
    for (int i = 0; i < values.size(); ++i) {
        QCOMPARE(focused(), window + u'/' + fields.value(i, QStringLiteral("Text%1").arg(i + 1)));
        type(values[i]);
        press(Qt::Key_Tab);
    }
}

// Waits until the window is active with the keyboard in it.
bool activeWithFocus(const QString &window) {
    return QTest::qWaitFor([&] { return focused().startsWith(window + u'/'); }, 5000);
}

} // namespace

class TestWholeRun : public GuiTest {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void registrationArrivesAndSelesaiClearsUp_data();
    void registrationArrivesAndSelesaiClearsUp();
    void keyboardAloneCompletesARegistration();
    void handTypedZoneEndsWithTheRegistrantLine();
    void pageKeepsEverythingWhenAWorkFileFails_data();
    void pageKeepsEverythingWhenAWorkFileFails();
    void closingAPageThroughTheWindowManagerEndsTheRun_data();
    void closingAPageThroughTheWindowManagerEndsTheRun();

private:
    void startRun();
    void leaveTwoRunsHalfway();
    frmMail *sendingToTestServer();

    SmtpTestServer aiosmtpd;
};

void TestWholeRun::initTestCase() {
    QString reason;
    QVERIFY2(aiosmtpd.start(&reason), qPrintable(reason));
}

void TestWholeRun::init() {
    GuiTest::init();
    startRun();
}

// The send page, which sends to the test server by a clock that stands still.
frmMail *TestWholeRun::sendingToTestServer() {
    return window<frmMail>();
}

// A fresh window set in the same work folder.
void TestWholeRun::startRun() {
    SmtpSettings smtp;
    smtp.ports.plain = aiosmtpd.port();
    smtp.clock = [] {
        return QDateTime(QDate(2026, 12, 5), QTime(15, 10, 49), QTimeZone(7 * 3600));
    };
    restartWithSmtp(smtp);
    QVERIFY(waitUntilActive(window<frmMain>()));
    QCOMPARE(shownWindows(), QStringList{"frmMain"});
}

// A run that gets as far as page V and is closed there, which ends it as "Dea&ktifasi"
// does; then a run that leaves by "Dea&ktifasi", chosen by its mnemonic on page I. Both leave the
// work files as they were.
void TestWholeRun::leaveTwoRunsHalfway() {
    completePage(reachPage(QStringLiteral("Form5")));
    window<Form7>()->close();
    QCOMPARE(endings(), 1);
    QCOMPARE(shownWindows(), QStringList());
    const QByteArray leftBehind = work().read("DAT.JOV");
    QCOMPARE(leftBehind, documentHead + nameServerSections);

    startRun();
    press(Qt::Key_Alt, Qt::AltModifier); // the menu bar, then "Tampilan", then its mnemonic
    press(Qt::Key_Down);
    press(Qt::Key_K);
    QCOMPARE(endings(), 1);
    QCOMPARE(shownWindows(), QStringList());
    QCOMPARE(work().read("DAT.JOV"), leftBehind);
    QVERIFY(work().exists("DATM2.JOV") && !work().exists("DATM3.JOV"));
    startRun();
}

void TestWholeRun::registrationArrivesAndSelesaiClearsUp_data() {
    QTest::addColumn<QString>("recordPage");
    QTest::addColumn<QByteArray>("recordSections");
    QTest::addColumn<bool>("afterRunsLeftHalfway");
    // The keyboard run sends a fresh run's name servers.
    QTest::newRow("MX") << "Form6" << mailExchangerSections << false;
    QTest::newRow("NS after runs left halfway") << "Form5" << nameServerSections << true;
}

void TestWholeRun::registrationArrivesAndSelesaiClearsUp() {
    QFETCH(QString, recordPage);
    QFETCH(QByteArray, recordSections);
    QFETCH(bool, afterRunsLeftHalfway);
    if (afterRunsLeftHalfway)
        leaveTwoRunsHalfway();

    // Each page is the one window on the screen while it is filled in. Under its
    // incomplete-data dialog a page takes no click, not even on "Selanjutnya", so no section
    // is written twice; the dialog closed through the window manager leads back to the page,
    // and the page then goes on once.
    QStringList visited;
    while (SkinWindow *page = onlyShownWindow()) {
        visited << page->objectName();
        QVERIFY(waitUntilActive(page));
        if (qobject_cast<Form4 *>(page)) {
            button(page, recordPage == QLatin1String("Form5") ? "SkinButton1" : "SkinButton2")
                ->click();
            continue;
        }
        if (qobject_cast<frmMail *>(page))
            break;
        SkinButton *next = nextButton(page);
        clickThroughWindowSystem(next); // every field still empty
        QTRY_VERIFY(QApplication::activeWindow() != page);
        auto *dialog = qobject_cast<SkinWindow *>(QApplication::activeWindow());
        QVERIFY(dialog && dialog->isDialog());
        const QStringList pageAndDialog = shownWindows();
        QCOMPARE(pageAndDialog.size(), 2);

        fillPage(page);
        const QByteArray before = work().read("DAT.JOV");
        clickThroughWindowSystem(next);
        QCOMPARE(work().read("DAT.JOV"), before);
        QCOMPARE(shownWindows(), pageAndDialog);

        dialog->close();
        QVERIFY(waitUntilActive(page));
        QCOMPARE(shownWindows(), QStringList{page->objectName()});
        clickThroughWindowSystem(next);
    }
    QCOMPARE(visited, (QStringList{"frmMain", "Form2", "Form4", recordPage, "Form7", "frmMail"}));

    const QByteArray document =
        documentHead + recordSections + declarationAndRegistrant + trailerFile + "\r\n";
    QCOMPARE(work().read("DAT.JOV"), document);
    QCOMPARE(work().read("DAT0.JOV"), trailerFile);
    frmMail *sendPage = sendingToTestServer();
    field(sendPage, "txtEmailServer")->setText(QStringLiteral("127.0.0.1"));
    const qsizetype before = aiosmtpd.received().size();
    bool completed = false;
    QVERIFY(sendAndWait(sendPage, &completed) && completed);

    const QList<ReceivedMail> mails = aiosmtpd.received();
    QCOMPARE(mails.size(), before + 1);
    QCOMPARE(mails.last().greetingName, QByteArray("jov-mailer"));
    QCOMPARE(mails.last().mailFrom, QByteArray("sari@lumbung.usaha.qv"));
    QCOMPARE(mails.last().recipients, QByteArrayList{"daftar-usaha@nic.qv"});
    QCOMPARE(mails.last().message, expectedMail(document));

    // "Selesai": the six work files go, and with them every window and the run.
    button(sendPage, "SkinButton2")->click();
    QCOMPARE(endings(), 1);
    QCOMPARE(shownWindows(), QStringList());
    QCOMPARE(QDir(work().path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

// An applicant without a mouse: the menu, the about box, the credits, the viewer, every page
// and the send page by Tab, typing, Space and Enter alone. Where the focus goes decides
// which field gets which text, so the mail that arrives shows the focus order too.
void TestWholeRun::keyboardAloneCompletesARegistration() {
    QVERIFY(activeWithFocus("frmMain"));
    QCOMPARE(focused(), QStringLiteral("frmMain/Option1"));
    press(Qt::Key_Space);

    // Tampilan > Skin > Media, by the arrows of the menu bar that Alt opens.
    press(Qt::Key_Alt, Qt::AltModifier);
    press(Qt::Key_Down);
    press(Qt::Key_Right);
    for (int entry = 1; entry < 7; ++entry)
        press(Qt::Key_Down);
    press(Qt::Key_Return);
    frmMain *pageOne = window<frmMain>();
    QCOMPARE(pageOne->SkinForm1->CurrentSkin()->SkinTitle, QStringLiteral("Media"));

    // Detail, its credits, and back: any key brings out the credits' "Baiklah..".
    press(Qt::Key_Alt, Qt::AltModifier);
    press(Qt::Key_Right);
    press(Qt::Key_Return);
    QVERIFY(activeWithFocus("frmAbout"));
    QVERIFY(tabTo("SkinButton2", Qt::Key_Space));
    QVERIFY(waitUntilActive(window<FormCredits>()));
    press(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("FormCredits/SkinButton1"));
    press(Qt::Key_Space);
    QVERIFY(activeWithFocus("frmAbout"));
    QVERIFY(tabTo("SkinButton1", Qt::Key_Return));
    QVERIFY(activeWithFocus("frmMain"));

    // Page I in the order of its fields; its Next first with a field empty.
    QCOMPARE(focused(), QStringLiteral("frmMain/Option1"));
    press(Qt::Key_Tab);
    typeIntoFields(
        "frmMain",
        {"lumbung", ".usaha", "Koperasi Lumbung Tani", "Simpan pinjam petani", "AKTA 7/2025"},
        {"Text1", "Combo1", "Text2", "Text3", "Text4"});
    QCOMPARE(focused(), QStringLiteral("frmMain/Text5"));
    QVERIFY(tabTo("SkinButton3", Qt::Key_Return));
    QVERIFY(activeWithFocus("FormMessageBox"));
    QCOMPARE(focused(), QStringLiteral("FormMessageBox/SkinButton1"));
    press(Qt::Key_Return);
    QVERIFY(activeWithFocus("frmMain"));
    QVERIFY(tabTo("Text5"));
    type(QStringLiteral("Sari 555-0147"));

    // The viewer from "Informasi": a topic, "F A Q", and "Baiklah..".
    press(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("frmMain/SkinButton2"));
    press(Qt::Key_Return);
    Form13 *viewer = window<Form13>();
    QVERIFY(activeWithFocus("Form13"));
    QVERIFY(tabTo("Check2", Qt::Key_Space));
    QVERIFY(control(viewer, "RichTextBox2")->isVisible());
    QVERIFY(tabTo("SkinButton1", Qt::Key_Space));
    QVERIFY(control(viewer, "RichTextBox7")->isVisible());
    QVERIFY(tabTo("SkinButton2", Qt::Key_Return));
    QTRY_VERIFY(!viewer->isVisible());
    pageOne->activateWindow(); // the window manager hands the keyboard back to the page
    QVERIFY(activeWithFocus("frmMain"));
    QCOMPARE(focused(), QStringLiteral("frmMain/SkinButton2"));
    press(Qt::Key_Tab);
    press(Qt::Key_Space);

    // Page II down its three columns.
    QVERIFY(activeWithFocus("Form2"));
    typeIntoFields("Form2", fieldTexts("Form2", 24));
    QCOMPARE(focused(), QStringLiteral("Form2/SkinButton2"));
    press(Qt::Key_Tab);
    press(Qt::Key_Return);

    // Page III: "MX Record", then "NS Record".
    QVERIFY(activeWithFocus("Form4"));
    QCOMPARE(focused(), QStringLiteral("Form4/SkinButton2"));
    press(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("Form4/SkinButton1"));
    press(Qt::Key_Space);

    // The name servers, group by group.
    QVERIFY(activeWithFocus("Form5"));
    typeIntoFields("Form5", fieldTexts("Form5", 10));
    QCOMPARE(focused(), QStringLiteral("Form5/SkinButton1"));
    press(Qt::Key_Return);

    // Page V, its Next first while empty: the dialog's chord, the lock and the gallery, whose
    // way out takes four buttons, lead back to it.
    QVERIFY(activeWithFocus("Form7"));
    QVERIFY(tabTo("SkinButton1", Qt::Key_Return));
    QVERIFY(activeWithFocus("Form12"));
    press(Qt::Key_9, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    QVERIFY(tabTo("SkinButton2", Qt::Key_Space));
    QVERIFY(activeWithFocus("Form9"));
    typeIntoFields("Form9", {"melor", "mira4706"});
    QCOMPARE(focused(), QStringLiteral("Form9/SkinButton1"));
    press(Qt::Key_Return);
    QVERIFY(activeWithFocus("Form14"));
    QVERIFY(tabTo("Text1"));
    type(QStringLiteral("tulo"));
    press(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("Form14/SkinButton2"));
    press(Qt::Key_Space);
    for (const char *exit : {"SkinButton1", "SkinButton3", "SkinButton4", "SkinButton5"})
        QVERIFY2(tabTo(QLatin1String(exit), Qt::Key_Space), exit);
    QVERIFY(activeWithFocus("Form7"));
    QVERIFY(tabTo("Text1"));
    typeIntoFields("Form7", {"Sari Wulandari", "sari@lumbung.usaha.qv"});
    QCOMPARE(focused(), QStringLiteral("Form7/SkinButton2"));
    press(Qt::Key_Tab);
    press(Qt::Key_Space);

    // The send page: the server typed, "Kirimkan", then "Selesai".
    QVERIFY(activeWithFocus("frmMail"));
    frmMail *sendPage = sendingToTestServer();
    QVERIFY(tabTo("txtEmailServer"));
    type(QStringLiteral("127.0.0.1"));
    QVERIFY(tabTo("SkinButton1"));
    QSignalSpy finished(sendPage, &frmMail::sendFinished);
    press(Qt::Key_Return);
    QVERIFY(finished.wait(10000));
    QVERIFY(finished.first().first().toBool());
    const QByteArray document =
        documentHead + nameServerSections + declarationAndRegistrant + trailerFile + "\r\n";
    QCOMPARE(aiosmtpd.received().last().message, expectedMail(document));

    press(Qt::Key_Tab); // past "Buka di Program E-mail"
    QCOMPARE(focused(), QStringLiteral("frmMail/SkinButton3"));
    press(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("frmMail/SkinButton2"));
    press(Qt::Key_Space);
    QCOMPARE(endings(), 1);
    QVERIFY(!work().exists("DAT.JOV"));
}

void TestWholeRun::handTypedZoneEndsWithTheRegistrantLine() {
    completePage(reachPage(QStringLiteral("Form7"), QStringLiteral(".pribadi")));
    QVERIFY(loaded<frmMail>());
    // No trailer to add: the registrant's last line and the line end page V puts after it.
    QVERIFY(work().read("DAT.JOV").endsWith(declarationAndRegistrant + "\r\n"));
}

void TestWholeRun::pageKeepsEverythingWhenAWorkFileFails_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("blocked");
    // How each obstacle makes a work file fail is the work file tests' table; here every
    // page meets one, and the two that stop a page halfway through its files.
    for (const char *page : {"frmMain", "Form2", "Form5", "Form6", "Form7"})
        QTest::addRow("%s, directory in place of DAT.JOV", page) << page << "directory"
                                                                 << "DAT.JOV";
    // Page I's document is written by then: the page must not go on with half its files.
    QTest::newRow("frmMain, full disk under DAT0.JOV") << "frmMain"
                                                       << "full disk"
                                                       << "DAT0.JOV";
    QTest::newRow("Form7, DAT0.JOV missing") << "Form7"
                                             << "missing"
                                             << "DAT0.JOV";
}

void TestWholeRun::pageKeepsEverythingWhenAWorkFileFails() {
    QFETCH(QString, page);
    QFETCH(QString, obstacle);
    QFETCH(QString, blocked);
    if (obstacle == QLatin1String("full disk") && !QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full on this machine");
    const bool pageOne = page == QLatin1String("frmMain");
    SkinWindow *window = pageOne ? this->window<frmMain>() : reachPage(page);
    fillPage(window);
    QLineEdit *field = window->findChildren<QLineEdit *>().last();
    const QString typed = field->text();
    SkinButton *next = nextButton(window);
    const QByteArray document = work().read("DAT.JOV");
    const QByteArray trailer = work().read("DAT0.JOV");
    QVERIFY(QFile::remove(blocked) || pageOne);
    if (obstacle == QLatin1String("directory"))
        QVERIFY(QDir().mkdir(blocked));
    else if (obstacle == QLatin1String("full disk"))
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), blocked));

    next->click();
    QVERIFY(loaded<WorkFileErrorDialog>());
    QPointer<WorkFileErrorDialog> error = this->window<WorkFileErrorDialog>();
    QVERIFY(error->isVisible());
    QVERIFY(control<SkinLabel>(error, "SkinLabel2")->text().contains(blocked));
    QCOMPARE(error->SkinForm1->CurrentSkin(), window->SkinForm1->CurrentSkin());
    QVERIFY(window->isVisible());
    QCOMPARE(field->text(), typed);
    QCOMPARE(loaded<Form2>(), !pageOne);
    QVERIFY(!loaded<Form4>() && !loaded<frmMail>());
    QCOMPARE(loaded<Form7>(), page == QLatin1String("Form7"));
    if (pageOne) // stopped at the file that failed
        QVERIFY(!work().exists("DATM1.JOV"));
    if (obstacle == QLatin1String("missing")) // read before anything is written
        QVERIFY(work().read("DAT.JOV") == document && !work().exists("DATM3.JOV"));

    // Its button leads back to the page, which goes on once the file can be used again.
    button(error, "SkinButton1")->click();
    QVERIFY(window->isVisible());
    QFile::remove(blocked) || QDir().rmdir(blocked);
    work().write(blocked, blocked == QLatin1String("DAT.JOV") ? document : trailer);
    next->click();
    QVERIFY(!error || !error->isVisible());
    QVERIFY(work().read("DAT.JOV").startsWith(document));
    QVERIFY(work().read("DAT.JOV").size() > document.size());
}

void TestWholeRun::closingAPageThroughTheWindowManagerEndsTheRun_data() {
    QTest::addColumn<QString>("page");
    // Page I's own close, and the one every wizard page shares; the navigation tests lead
    // each page's end request to the end, the halfway run closes page V.
    for (const char *page : {"frmMain", "Form2"})
        QTest::newRow(page) << page;
}

void TestWholeRun::closingAPageThroughTheWindowManagerEndsTheRun() {
    QFETCH(QString, page);
    SkinWindow *shown = page == QLatin1String("frmMain") ? window<frmMain>() : reachPage(page);
    QVERIFY(shown && shown->isVisible());
    shown->close();
    QCOMPARE(endings(), 1);
    QVERIFY(!loaded<frmMain>() && !loaded<Form2>());
}

QTEST_MAIN(TestWholeRun)
#include "tst_whole_run.moc"
