// The send page: its fields filled from the work files on every activation, the status
// box, the SMTP error dialog and the login dialog, and "Selesai" with files missing or a send
// under way. How the session itself speaks to servers is its own test's.
#include "mail/send_page.h"
#include "mail/smtp_error_dialog.h"
#include "mail/smtp_login_dialog.h"
#include "support/accessibility_walk.h"
#include "support/fake_smtp_server.h"
#include "support/gui_fixture.h"
#include "support/smtp_test_server.h"
#include "support/test_certificates.h"
#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "ui/skin_storage.h"
#include "ui/ticker_strip.h"
#include "ui/typed_text.h"

#include <QPlainTextEdit>

namespace {

const QStringList workFiles{"DAT.JOV",   "DAT0.JOV",  "DATM1.JOV",
                            "DATM2.JOV", "DATM3.JOV", "DATM4.JOV"};

} // namespace

class TestSendPage : public GuiTest {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void activationRefillsTheFieldsAndKeepsTheServer();
    void failedSendShowsTheErrorDialogWhichLeadsBack();
    void selesaiDeletesTheFilesItFindsAndCutsOffTheSend();
    void errorDialogShowsTheServerSafely();
    void loginDialogByKeyboard_data();
    void loginDialogByKeyboard();
    void controlsAreNamedByTheirLabels();

private:
    QLineEdit *text(const char *name) const { return field(page, QLatin1String(name)); }
    QWidget *statusBox() const { return control(page, "Frame1"); }

    TestCertificates certificates; // for the provider the login dialog is asked for
    frmMail *page = nullptr;
};

void TestSendPage::initTestCase() {
    QString reason;
    QVERIFY2(certificates.make(&reason), qPrintable(reason));
}

void TestSendPage::init() {
    GuiTest::init();
    page = window<frmMail>();
}

void TestSendPage::activationRefillsTheFieldsAndKeepsTheServer() {
    work().write("DAT.JOV", "\r\n1d. Keterangan..........: warga\xA0pesisir\r\n.\r\n\r\n");
    work().write("DATM1.JOV", "BARU pelabuhan.yayasan.qv");
    work().write("DATM2.JOV", "daftar-yayasan@nic.qv");
    work().write("DATM3.JOV", " rina@pelabuhan.qv ");
    work().write("DATM4.JOV", "R\xE9na W");
    page->Show();
    QVERIFY(waitUntilActive(page));
    QCOMPARE(typedText(control<QPlainTextEdit>(page, "txtEmailBodyOfMessage")),
             QStringLiteral("\n1d. Keterangan..........: warga\u00A0pesisir\n.\n\n"));
    QCOMPARE(text("txtEmailSubject")->text(), QStringLiteral("BARU pelabuhan.yayasan.qv"));
    QCOMPARE(text("txtToEmailAddress")->text(), QStringLiteral("daftar-yayasan@nic.qv"));
    QCOMPARE(text("txtFromEmailAddress")->text(), QStringLiteral(" rina@pelabuhan.qv "));
    QCOMPARE(text("txtFromName")->text(), QStringLiteral("Réna W"));
    QVERIFY(text("txtEmailServer")->text().isEmpty());
    QVERIFY(!statusBox()->isVisible());

    text("txtEmailSubject")->setText(QStringLiteral("diubah"));
    text("txtFromName")->setText(QStringLiteral("diubah"));
    text("txtEmailServer")->setText(QStringLiteral("smtp.pelabuhan.qv"));
    QFile::remove(work().filePath("DATM4.JOV"));
    QVERIFY(activateAgain(page)); // as the error dialog does
    QCOMPARE(text("txtEmailSubject")->text(), QStringLiteral("BARU pelabuhan.yayasan.qv"));
    QCOMPARE(text("txtFromName")->text(), QString()); // its file is gone; the page goes on
    QCOMPARE(text("txtEmailServer")->text(), QStringLiteral("smtp.pelabuhan.qv"));
}

void TestSendPage::failedSendShowsTheErrorDialogWhichLeadsBack() {
    SkinStorage media(QLatin1String(builtinSkins[6].resource));
    page->SkinForm1->setCurrentSkin(media.StoredSkin());
    page->Show();
    QVERIFY(waitUntilActive(page));
    QVERIFY(!statusBox()->isVisible());

    // An empty server cannot be reached: the send fails at once, before any greeting.
    QSignalSpy finished(page, &frmMail::sendFinished);
    button(page, "SkinButton1")->click();
    QVERIFY(statusBox()->isVisible());
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(control<SkinLabel>(page, "StatusTxt")->text(), QString());

    Form1 *dialog = window<Form1>();
    QSignalSpy beeps(dialog, &MessageDialog::beepSounded);
    QVERIFY(waitUntilActive(dialog));
    QCOMPARE(dialog->SkinForm1->CurrentSkin(), media.StoredSkin());
    QVERIFY(beeps.isEmpty());

    SkinStorage aqua(QLatin1String(builtinSkins[0].resource));
    dialog->SkinForm1->setCurrentSkin(aqua.StoredSkin());
    text("txtEmailSubject")->setText(QStringLiteral("diubah"));
    button(dialog, "SkinButton1")->click();
    QVERIFY(!loaded<Form1>());
    QVERIFY(waitUntilActive(page));
    QCOMPARE(page->SkinForm1->CurrentSkin(), aqua.StoredSkin());
    QCOMPARE(text("txtEmailSubject")->text(), QString()); // refilled: no subject file here
}

void TestSendPage::selesaiDeletesTheFilesItFindsAndCutsOffTheSend() {
    for (const QString &name : workFiles)
        if (name != QStringLiteral("DATM1.JOV"))
            work().write(name, "isi");
    work().write("LAIN.JOV", "bukan milik kami");
    FakeSmtpServer server;
    server.replies["helo"] = {}; // the send stays waiting
    SmtpSettings settings;
    settings.ports.plain = server.port();
    restartWithSmtp(settings);
    page = window<frmMail>();
    text("txtEmailServer")->setText(QStringLiteral("127.0.0.1"));
    page->Show();
    QVERIFY(waitUntilActive(page));
    button(page, "SkinButton1")->click();
    QTRY_VERIFY(server.received.startsWith("HELO"));
    // The wait leaves the window alive: the hints keep moving.
    const int hintsAt = control<TickerStrip>(page, "Picture1")->stripLeft();
    QTRY_VERIFY(control<TickerStrip>(page, "Picture1")->stripLeft() != hintsAt);

    QSignalSpy finished(page, &frmMail::sendFinished);
    button(page, "SkinButton2")->click();
    QCOMPARE(endings(), 1);
    for (const QString &name : workFiles)
        QVERIFY2(!work().exists(name), qPrintable(name));
    QVERIFY(work().exists("LAIN.JOV"));
    QVERIFY(!loaded<frmMail>());
    QTRY_VERIFY(!server.clientConnected());
    QVERIFY(finished.isEmpty());
    QVERIFY(!loaded<Form1>());
}

void TestSendPage::errorDialogShowsTheServerSafely() {
    // Line ends, escapes and a direction override from the server are not shown; a long
    // reply is cut, and the dialog grows with its line.
    FakeSmtpServer server;
    server.replies["helo"] = {"554-5.7.1 ditolak\x1b[31m\r\n",
                              "554 \xE2\x80\xAEkiri " + QByteArray(300, 'x') + "\r\n"};
    SmtpSettings settings;
    settings.ports.plain = server.port();
    restartWithSmtp(settings);
    page = window<frmMail>();
    page->Show();
    QVERIFY(waitUntilActive(page));
    text("txtEmailServer")->setText(QStringLiteral("127.0.0.1"));
    bool completed = true;
    QVERIFY(sendAndWait(page, &completed));
    QVERIFY(!completed && loaded<Form1>());
    Form1 *dialog = window<Form1>();
    QCOMPARE(control<SkinLabel>(dialog, "SkinLabel2")->text(),
             QStringLiteral("Server menjawab: 554 5.7.1 ditolak [31m kiri ") +
                 QString(Form1::longestDetail - 46, u'x') + QChar(0x2026));
    QVERIFY(button(dialog, "SkinButton1")->geometry().top() >
            control<SkinLabel>(dialog, "SkinLabel2")->geometry().bottom());
}

void TestSendPage::loginDialogByKeyboard_data() {
    QTest::addColumn<QString>("answer"); // empty: Escape gives up
    QTest::newRow("Enter logs in") << QStringLiteral("Kunci-7rahasia");
    QTest::newRow("Escape gives up") << QString();
}

void TestSendPage::loginDialogByKeyboard() {
    QFETCH(QString, answer);
    const QString user = QStringLiteral("rina@pelabuhan.qv");
    QString reason;
    SmtpTestServer provider;
    QVERIFY2(provider.startTls({SmtpTlsOptions::StartTls,
                                certificates.certificateFile(TestCertificates::Loopback),
                                certificates.keyFile(TestCertificates::Loopback), user,
                                QStringLiteral("Kunci-7rahasia")},
                               &reason),
             qPrintable(reason));
    SmtpSettings settings;
    settings.ports.submission = provider.port();
    settings.extraAuthorities = {certificates.authority()};
    restartWithSmtp(settings);
    work().write("DAT.JOV", "\r\n1a. Status..............: BARU\r\n\r\n");
    work().write("DATM2.JOV", "daftar-yayasan@nic.qv");
    work().write("DATM3.JOV", user.toLatin1());
    page = window<frmMail>();
    page->Show();
    QVERIFY(waitUntilActive(page));
    text("txtEmailServer")->setText(QStringLiteral("localhost:587"));

    QSignalSpy finished(page, &frmMail::sendFinished);
    button(page, "SkinButton1")->click();
    QTRY_VERIFY_WITH_TIMEOUT(loaded<SmtpLoginDialog>(), 10000);
    SmtpLoginDialog *dialog = window<SmtpLoginDialog>();
    QVERIFY(waitUntilActive(dialog));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Login SMTP"));
    QCOMPARE(dialog->parentWidget(), page);
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    QCOMPARE(field(dialog, "Text1")->text(), user);
    QCOMPARE(field(dialog, "Text2")->echoMode(), QLineEdit::Password);
    // By keyboard alone: the password field has the focus, Enter logs in, Escape gives up.
    QTRY_COMPARE(QApplication::focusWidget(), field(dialog, "Text2"));
    QTest::keyClicks(field(dialog, "Text2"), answer);
    const QString typed = field(dialog, "Text2")->text(); // shares the field's buffer
    QTest::keyClick(field(dialog, "Text2"), answer.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
    QVERIFY(!finished.isEmpty() || finished.wait(10000));
    QCOMPARE(finished.first().first().toBool(), !answer.isEmpty());
    QVERIFY(!loaded<SmtpLoginDialog>());
    QVERIFY(!loaded<Form1>()); // giving up is the applicant's choice: nothing to report
    QCOMPARE(provider.received().size(), answer.isEmpty() ? 0 : 1);
    // The password the field held is wiped where it lay.
    QCOMPARE(typed, QString(typed.size(), QChar()));
}

void TestSendPage::controlsAreNamedByTheirLabels() {
    page->Show();
    QVERIFY(waitUntilActive(page));
    statusBox()->show();
    const QList<AccessibleNode> tree = accessibleTree(qApp);
    const QHash<QString, QString> expected{
        {"txtFromEmailAddress", "From"}, {"txtFromName", "Your Name"},
        {"txtToEmailAddress", "To"},     {"txtEmailServer", "SMTP Server"},
        {"txtEmailSubject", "Subject"},  {"SkinButton1", "Kirimkan"},
        {"SkinButton2", "Selesai"},      {"SkinButton3", "Buka di Program E-mail"},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const AccessibleNode *node = findNode(tree, control(page, it.key()));
        QVERIFY2(node, qPrintable(it.key()));
        QCOMPARE(node->name, it.value());
    }
    const AccessibleNode *toName = findNode(tree, control(page, "ToNametxt"));
    QVERIFY(!toName || !toName->shown);
}

QTEST_MAIN(TestSendPage)
#include "tst_send_page.moc"
