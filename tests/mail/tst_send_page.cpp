// The send page: its fields filled from the work files on every activation, the status
// box, the SMTP error dialog, and "Selesai" with files missing or a send under way.
#include "mail/send_page.h"
#include "mail/smtp_error_dialog.h"
#include "support/accessibility_walk.h"
#include "support/fake_smtp_server.h"
#include "support/windows.h"
#include "support/work_dir.h"
#include "ui/skin_storage.h"
#include "ui/typed_text.h"
#include "app/window_set.h"

#include <QtTest>

namespace {

const QStringList workFiles{"DAT.JOV",   "DAT0.JOV",  "DATM1.JOV",
                            "DATM2.JOV", "DATM3.JOV", "DATM4.JOV"};

} // namespace

class TestSendPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void activationRefillsTheFieldsAndKeepsTheServer();
    void failedSendShowsTheErrorDialogWhichLeadsBack();
    void selesaiDeletesTheFilesItFindsAndCutsOffTheSend();
    void controlsAreNamedByTheirLabels();

private:
    void activateAgain();

    std::unique_ptr<ScopedWorkDir> work;
    std::unique_ptr<WindowSet> windows;
    frmMail *page = nullptr;
};

void TestSendPage::init() {
    work = std::make_unique<ScopedWorkDir>();
    windows = std::make_unique<WindowSet>();
    page = windows->frmMail.get();
}

void TestSendPage::cleanup() {
    windows.reset();
    work.reset();
}

// Another window takes the focus and gives it back, as the error dialog does.
void TestSendPage::activateAgain() {
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(other.isActiveWindow());
    page->Show();
    QVERIFY(waitUntilActive(page));
}

void TestSendPage::activationRefillsTheFieldsAndKeepsTheServer() {
    work->write("DAT.JOV", "\r\n1d. Keterangan..........: warga\xA0pesisir\r\n.\r\n\r\n");
    work->write("DATM1.JOV", "BARU pelabuhan.yayasan.qv");
    work->write("DATM2.JOV", "daftar-yayasan@nic.qv");
    work->write("DATM3.JOV", " rina@pelabuhan.qv ");
    work->write("DATM4.JOV", "R\xE9na W");
    page->Show();
    QVERIFY(waitUntilActive(page));
    QCOMPARE(typedText(page->txtEmailBodyOfMessage),
             QStringLiteral("\n1d. Keterangan..........: warga\u00A0pesisir\n.\n\n"));
    QCOMPARE(page->txtEmailSubject->text(), QStringLiteral("BARU pelabuhan.yayasan.qv"));
    QCOMPARE(page->txtToEmailAddress->text(), QStringLiteral("daftar-yayasan@nic.qv"));
    QCOMPARE(page->txtFromEmailAddress->text(), QStringLiteral(" rina@pelabuhan.qv "));
    QCOMPARE(page->txtFromName->text(), QStringLiteral("Réna W"));
    QVERIFY(page->txtEmailServer->text().isEmpty());
    QVERIFY(!page->Frame1->isVisible());

    page->txtEmailSubject->setText(QStringLiteral("diubah"));
    page->txtFromName->setText(QStringLiteral("diubah"));
    page->txtEmailServer->setText(QStringLiteral("smtp.pelabuhan.qv"));
    QFile::remove(work->filePath("DATM4.JOV"));
    activateAgain();
    QCOMPARE(page->txtEmailSubject->text(), QStringLiteral("BARU pelabuhan.yayasan.qv"));
    QCOMPARE(page->txtFromName->text(), QString()); // its file is gone; the page goes on
    QCOMPARE(page->txtEmailServer->text(), QStringLiteral("smtp.pelabuhan.qv"));
}

void TestSendPage::failedSendShowsTheErrorDialogWhichLeadsBack() {
    SkinStorage media(QLatin1String(builtinSkins[6].resource));
    page->SkinForm1->setCurrentSkin(media.StoredSkin());
    page->Show();
    QVERIFY(waitUntilActive(page));
    QVERIFY(!page->Frame1->isVisible());

    // An empty server cannot be reached: the send fails at once, before any greeting.
    QSignalSpy finished(page, &frmMail::sendFinished);
    page->SkinButton1->click();
    QVERIFY(page->Frame1->isVisible());
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(page->StatusTxt->text(), QString());

    Form1 *dialog = windows->Form1.get();
    QSignalSpy beeps(dialog, &MessageDialog::beepSounded);
    QVERIFY(waitUntilActive(dialog));
    QCOMPARE(dialog->windowTitle(), QStringLiteral(" VALIDITAS SMTP"));
    QCOMPARE(dialog->SkinLabel1->text(),
             QStringLiteral("         Ada kesalahan SMTP.           Periksalah validitas data "
                            "SMTP     yang anda masukkan tersebut."));
    QCOMPARE(dialog->SkinButton1->text(), QStringLiteral("Baiklah.."));
    QCOMPARE(dialog->SkinForm1->CurrentSkin(), media.StoredSkin());
    QVERIFY(beeps.isEmpty());

    SkinStorage aqua(QLatin1String(builtinSkins[0].resource));
    dialog->SkinForm1->setCurrentSkin(aqua.StoredSkin());
    page->txtEmailSubject->setText(QStringLiteral("diubah"));
    dialog->SkinButton1->click();
    QVERIFY(!windows->Form1.loaded());
    QVERIFY(waitUntilActive(page));
    QCOMPARE(page->SkinForm1->CurrentSkin(), aqua.StoredSkin());
    QCOMPARE(page->txtEmailSubject->text(), QString()); // refilled: no subject file here
}

void TestSendPage::selesaiDeletesTheFilesItFindsAndCutsOffTheSend() {
    for (const QString &name : workFiles)
        if (name != QStringLiteral("DATM1.JOV"))
            work->write(name, "isi");
    work->write("LAIN.JOV", "bukan milik kami");
    FakeSmtpServer server;
    server.replies["helo"] = {}; // the send stays waiting
    page->setServerPort(server.port());
    page->txtEmailServer->setText(QStringLiteral("127.0.0.1"));
    page->Show();
    QVERIFY(waitUntilActive(page));
    page->SkinButton1->click();
    QTRY_VERIFY(server.received.startsWith("HELO"));
    // The wait leaves the window alive: the hints keep moving.
    const int hintsAt = page->Picture1->stripLeft();
    QTRY_VERIFY(page->Picture1->stripLeft() != hintsAt);

    QSignalSpy ended(windows.get(), &WindowSet::ended);
    QSignalSpy finished(page, &frmMail::sendFinished);
    page->SkinButton2->click();
    QCOMPARE(ended.size(), 1);
    for (const QString &name : workFiles)
        QVERIFY2(!work->exists(name), qPrintable(name));
    QVERIFY(work->exists("LAIN.JOV"));
    QVERIFY(!windows->frmMail.loaded());
    QTRY_VERIFY(!server.clientConnected());
    QVERIFY(finished.isEmpty());
    QVERIFY(!windows->Form1.loaded());
}

void TestSendPage::controlsAreNamedByTheirLabels() {
    page->Show();
    QVERIFY(waitUntilActive(page));
    page->Frame1->show();
    const QList<AccessibleNode> tree = accessibleTree(qApp);
    const QHash<QString, QString> expected{
        {"txtFromEmailAddress", "From"}, {"txtFromName", "Your Name"},
        {"txtToEmailAddress", "To"},     {"txtEmailServer", "SMTP Server"},
        {"txtEmailSubject", "Subject"},  {"SkinButton1", "Kirimkan"},
        {"SkinButton2", "Selesai"},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const AccessibleNode *node = findNode(tree, page->findChild<QWidget *>(it.key()));
        QVERIFY2(node, qPrintable(it.key()));
        QCOMPARE(node->name, it.value());
    }
    QVERIFY(!findNode(tree, page->ToNametxt) || !findNode(tree, page->ToNametxt)->shown);
}

QTEST_MAIN(TestSendPage)
#include "tst_send_page.moc"
