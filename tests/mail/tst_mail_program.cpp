// "Buka di Program E-mail": the mailto: link it builds, the form reaching a mail program that
// the desktop names through xdg-mime and xdg-open, and the dialog when there is none.
#include "document/code_page.h"
#include "mail/mail_program_dialog.h"
#include "mail/mailto_url.h"
#include "mail/send_page.h"
#include "support/gui_fixture.h"
#include "support/quick_start.h"
#include "ui/skin_label.h"
#include "ui/skin_storage.h"

#include <QProcess>
#include <QUrlQuery>

namespace {

// A form with what a link must carry intact: accents (Windows-1252 in the work files), a
// line holding only ".", the link's own delimiters, and an empty last line.
const QByteArray document = "\r\nZCZC QVFORM-2\r\n1b. Nama Domain.........: pel\xE2nta.qv\r\n"
                            ".\r\n2b. Nama................: J\xFClia & Sen = 100% + #1?\r\n\r\n";

// The environment of a desktop that knows nothing but what the test puts into `root`:
// its own configuration and applications, and no desktop of its own to ask.
void useDesktopIn(const QString &root) {
    qputenv("XDG_CONFIG_HOME", (root + "/config").toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", (root + "/config-system").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (root + "/data").toLocal8Bit());
    qputenv("XDG_DATA_DIRS", (root + "/data-system").toLocal8Bit());
    qputenv("XDG_CURRENT_DESKTOP", "X-Generic");
    for (const char *name : {"KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
                             "MATE_DESKTOP_SESSION_ID", "DESKTOP_SESSION", "BROWSER"})
        qunsetenv(name);
    // xdg-open hands links to a desktop's handler only where there is a display to show on.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("DISPLAY", ":79");
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A mail program that writes the link it is started with to `received` beside it, made the
// mailto: handler of the desktop in `root`.
bool registerRecordingHandler(const QString &root) {
    const QByteArray recorder = (root + "/recorder.sh").toLocal8Bit();
    const QByteArray received = (root + "/received").toLocal8Bit();
    const bool written =
        writeFile(recorder, "#!/bin/sh\nprintf '%s' \"$1\" > " + received + ".part && mv " +
                                received + ".part " + received + "\n") &&
        writeFile(root + "/data/applications/veld-recorder.desktop",
                  "[Desktop Entry]\nType=Application\nName=Perekam\nExec=" + recorder +
                      " %u\nMimeType=x-scheme-handler/mailto;\n") &&
        writeFile(root + "/config/mimeapps.list",
                  "[Default Applications]\nx-scheme-handler/mailto=veld-recorder.desktop\n");
    return written && QFile::setPermissions(QString::fromLocal8Bit(recorder),
                                            QFileDevice::ReadOwner | QFileDevice::ExeOwner);
}

// One field of the link as a mail program reads it, percent-decoded from UTF-8.
QString linkField(const QByteArray &link, const QString &name) {
    const QUrl url = QUrl::fromEncoded(link, QUrl::StrictMode);
    if (name == QLatin1String("to"))
        return url.path(QUrl::FullyDecoded);
    return QUrlQuery(url).queryItemValue(name, QUrl::FullyDecoded);
}

} // namespace

class TestMailProgram : public GuiTest {
    Q_OBJECT
private slots:
    void init();
    void linkKeepsEveryCharacterAndEndsLinesWithCrLf_data();
    void linkKeepsEveryCharacterAndEndsLinesWithCrLf();
    void formReachesTheRegisteredMailProgram();
    void withoutAMailProgramTheDialogPointsToKirimkan_data();
    void withoutAMailProgramTheDialogPointsToKirimkan();

private:
    QByteArray received() const;

    frmMail *page = nullptr;
    std::unique_ptr<QTemporaryDir> desktop;
    int opened = 0;
    bool desktopTakesLinks = true;
};

void TestMailProgram::init() {
    GuiTest::init();
    desktop = std::make_unique<QTemporaryDir>();
    useDesktopIn(desktop->path());
    opened = 0;
    desktopTakesLinks = true;
    work().write("DAT.JOV", document);
    work().write("DATM1.JOV", "BARU pel\xE2nta.qv");
    work().write("DATM2.JOV", "daftar-warga@nic.qv");
    // The offscreen platform opens no links; the link goes to xdg-open as Qt does elsewhere.
    StartupOptions options = quickStart();
    options.openUrl = [this](const QUrl &url) {
        ++opened;
        return desktopTakesLinks && QProcess::startDetached(QStringLiteral("xdg-open"),
                                                            {QString::fromLatin1(url.toEncoded())});
    };
    restartWith(options);
    page = window<frmMail>();
}

QByteArray TestMailProgram::received() const {
    QFile file(desktop->filePath("received"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestMailProgram::linkKeepsEveryCharacterAndEndsLinesWithCrLf_data() {
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QByteArray>("link");
    QTest::newRow("plain") << "a@nic.qv"
                           << "BARU x.qv"
                           << "1\n.\n"
                           << QByteArray("mailto:a@nic.qv?subject=BARU%20x.qv&body=1%0D%0A.%0D%0A");
    QTest::newRow("delimiters of the link") << "a@nic.qv"
                                            << "a&b=c"
                                            << "?d#e%f+g/h"
                                            << QByteArray("mailto:a@nic.qv?subject=a%26b%3Dc"
                                                          "&body=%3Fd%23e%25f%2Bg%2Fh");
    QTest::newRow("every kind of line end") << ""
                                            << ""
                                            << "a\r\nb\rc\nd\n\n"
                                            << QByteArray("mailto:?subject=&body=a%0D%0Ab%0D%0A"
                                                          "c%0D%0Ad%0D%0A%0D%0A");
    QTest::newRow("no line break in a header")
        << "a@nic.qv\r\n?cc=b@c.qv"
        << "x\r\nBcc: y@z.qv"
        << "" << QByteArray("mailto:a@nic.qv%20%3Fcc%3Db@c.qv?subject=x%20Bcc%3A%20y%40z.qv&body=");
    QTest::newRow("UTF-8") << QStringLiteral("r\u00E9na@nic.qv") << QStringLiteral("J\u00FClia")
                           << QStringLiteral("\u00A0\U0001F33E")
                           << QByteArray("mailto:r%C3%A9na@nic.qv?subject=J%C3%BClia"
                                         "&body=%C2%A0%F0%9F%8C%BE");
}

void TestMailProgram::linkKeepsEveryCharacterAndEndsLinesWithCrLf() {
    QFETCH(QString, to);
    QFETCH(QString, subject);
    QFETCH(QString, body);
    QFETCH(QByteArray, link);
    // What the desktop is handed, after QUrl has had its say.
    QCOMPARE(mailtoUrl(to, subject, body).toEncoded(), link);
}

void TestMailProgram::formReachesTheRegisteredMailProgram() {
    QVERIFY(registerRecordingHandler(desktop->path()));
    page->Show();
    QVERIFY(waitUntilActive(page));
    button(page, "SkinButton3")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!received().isEmpty(), 10000);

    QCOMPARE(linkField(received(), "to"), QStringLiteral("daftar-warga@nic.qv"));
    QCOMPARE(linkField(received(), "subject"), fromWindows1252(work().read("DATM1.JOV")));
    const QStringList lines = linkField(received(), "body").split(QLatin1String("\r\n"));
    QCOMPARE(lines, fromWindows1252(document).split(QLatin1String("\r\n")));

    QVERIFY(control(page, "Frame1")->isVisible());
    QVERIFY(
        control<SkinLabel>(page, "StatusTxt")->text().contains(QLatin1String("program e-mail")));
    QVERIFY(!loaded<MailProgramDialog>());
    for (const char *name : {"DAT.JOV", "DATM1.JOV", "DATM2.JOV"})
        QVERIFY2(work().exists(name), name);

    // The fields as they stand, not the files: what the applicant changed goes along.
    QFile::remove(desktop->filePath("received"));
    field(page, "txtEmailSubject")->setText(QStringLiteral("UBAH pel\u00E2nta.qv"));
    button(page, "SkinButton3")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!received().isEmpty(), 10000);
    QCOMPARE(linkField(received(), "subject"), QStringLiteral("UBAH pel\u00E2nta.qv"));
}

void TestMailProgram::withoutAMailProgramTheDialogPointsToKirimkan_data() {
    QTest::addColumn<bool>("handlerRegistered");
    QTest::addColumn<int>("linksOpened");
    QTest::newRow("no handler: the desktop is not asked to open") << false << 0;
    QTest::newRow("the desktop refuses the link") << true << 1;
}

void TestMailProgram::withoutAMailProgramTheDialogPointsToKirimkan() {
    QFETCH(bool, handlerRegistered);
    QFETCH(int, linksOpened);
    if (handlerRegistered)
        QVERIFY(registerRecordingHandler(desktop->path()));
    desktopTakesLinks = false;
    SkinStorage media(QLatin1String(builtinSkins[6].resource));
    page->SkinForm1->setCurrentSkin(media.StoredSkin());
    page->Show();
    QVERIFY(waitUntilActive(page));

    button(page, "SkinButton3")->click();
    QCOMPARE(opened, linksOpened);
    MailProgramDialog *dialog = window<MailProgramDialog>();
    QVERIFY(waitUntilActive(dialog));
    QCOMPARE(dialog->SkinForm1->CurrentSkin(), media.StoredSkin());
    QVERIFY(dialog->SkinLabel2->text().contains(QLatin1String("\"Kirimkan\"")));
    const QStringList problems = modalDialogCheck(dialog, QStringLiteral(" PROGRAM E-MAIL"));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    QVERIFY(!control(page, "Frame1")->isVisible());

    button(dialog, "SkinButton1")->click();
    QVERIFY(!loaded<MailProgramDialog>());
    QVERIFY(waitUntilActive(page));
    QCOMPARE(work().read("DAT.JOV"), document);
}

QTEST_MAIN(TestMailProgram)
#include "tst_mail_program.moc"
