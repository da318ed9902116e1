// What the windows take in quietly still reaches the log as a warning, with its reason: a
// refused skin file, a help topic that cannot be read, a work file that cannot be used.
#include "support/gui_fixture.h"
#include "wizard/contact_page.h"
#include "wizard/information_viewer.h"
#include "wizard/main_window.h"

#include <QCheckBox>
#include <QtTest>

class TestLoggedFailures : public GuiTest {
    Q_OBJECT
private slots:
    void refusedSkinFile();
    void unreadableHelpTopics();
    void unusableWorkFile();
};

void TestLoggedFailures::refusedSkinFile() {
    work().write("rusak.skn", "[form]\nborder = lebar\n");
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(R"(^skin file refused: .*/rusak\.skn: .+)"));
    QVERIFY(!window<frmMain>()->openSkinFile(work().filePath("rusak.skn")));
}

void TestLoggedFailures::unreadableHelpTopics() {
    // No topic beside the program's stand-in folder, and one in the work folder that is a
    // folder rather than a file.
    const QTemporaryDir empty;
    restart(empty.path());
    QVERIFY(QDir(work().path()).mkdir("dat2.jov"));
    Form13 *viewer = window<Form13>();
    viewer->Show();
    QVERIFY(waitUntilActive(viewer));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(R"(^help topic .*/dat1\.jov not found$)"));
    viewer->findChild<QCheckBox *>("Check1")->click();
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(R"(^help topic .*/dat2\.jov cannot be read: .+)"));
    viewer->findChild<QCheckBox *>("Check2")->click();
}

void TestLoggedFailures::unusableWorkFile() {
    QVERIFY(QDir(work().path()).mkdir("DAT.JOV"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("DAT\\.JOV"));
    frmMain *page = window<frmMain>();
    QVERIFY(waitUntilActive(page));
    completePage(page);
    QVERIFY(!loaded<Form2>());
}

QTEST_MAIN(TestLoggedFailures)
#include "tst_logged_failures.moc"
