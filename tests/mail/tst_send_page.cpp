// The send page: its fields filled from the work files on every activation, the status
// box, the SMTP error dialog, and "Selesai" with files missing or a send under way.
#include "mail/send_page.h"
#include "mail/smtp_error_dialog.h"
#include "support/accessibility_walk.h"
#include "support/fake_smtp_server.h"
#include "support/gui_fixture.h"
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
    void init();
    void activationRefillsTheFieldsAndKeepsTheServer();
    void failedSendShowsTheErrorDialogWhichLeadsBack();
    void selesaiDeletesTheFilesItFindsAndCutsOffTheSend();
    void controlsAreNamedByTheirLabels();

private:
    QLineEdit *text(const char *name) const { return field(page, QLatin1String(name)); }
    QWidget *statusBox() const { return control(page, "Frame1"); }

    frmMail *page = nullptr;
};

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
    page->setServerPort(server.port());
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
