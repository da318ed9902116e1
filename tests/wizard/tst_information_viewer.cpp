// The information viewer: one-of-six selection, topics read afresh from disk, the
// data-folder fallback, and a window that stays usable when a topic is missing.
#include "quick_start.h"
#include "support/windows.h"
#include "support/work_dir.h"
#include "wizard/information_viewer.h"
#include "wizard/main_window.h"
#include "app/window_set.h"

#include <QtTest>

class TestInformationViewer : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void activationShowsTheInstructionsAndNoTopic();
    void boxesShowOneTopicAtATime();
    void baiklahHidesEverythingAndReopeningStartsClean();
    void topicIsReadAfreshAtEveryClick();
    void missingTopicShowsAMessageAndTheWindowStaysUsable();
    void topicsFallBackToTheDataFolder();
    void instructionTextNamesTheZones();

private:
    void writeTopic(int number, const QByteArray &text);
    QList<int> checkedBoxes() const;
    int visibleTopic() const;

    std::unique_ptr<ScopedWorkDir> work;
    std::unique_ptr<WindowSet> windows;
    Form13 *viewer = nullptr;
};

void TestInformationViewer::init() {
    work = std::make_unique<ScopedWorkDir>();
    for (int topic = 1; topic <= 7; ++topic)
        writeTopic(topic, "{\\rtf1\\ansi topik " + QByteArray::number(topic) + "}");
    // The installed topics are looked for in a folder of this test's own.
    QVERIFY(QDir().mkdir(QStringLiteral("installed")));
    windows = std::make_unique<WindowSet>(quickStart(work->filePath("installed")));
    windows->frmMain.get()->SkinButton2->click();
    viewer = windows->Form13.get();
    QVERIFY(waitUntilActive(viewer));
}

void TestInformationViewer::cleanup() {
    windows.reset();
    work.reset();
}

void TestInformationViewer::writeTopic(int number, const QByteArray &text) {
    work->write(QStringLiteral("dat%1.jov").arg(number), text);
}

QList<int> TestInformationViewer::checkedBoxes() const {
    QList<int> checked;
    for (int i = 0; i < 6; ++i)
        if (viewer->Checks[i]->isChecked())
            checked << i + 1;
    return checked;
}

// The one topic box on the screen (1 to 7), 0 for none; -1 when more than one is.
int TestInformationViewer::visibleTopic() const {
    int shown = 0;
    for (int i = 0; i < 7; ++i) {
        if (viewer->RichTextBoxes[i]->isVisible()) {
            if (shown)
                return -1;
            shown = i + 1;
        }
    }
    return shown;
}

// Beside page I, which stays usable; the instructions and no topic.
void TestInformationViewer::activationShowsTheInstructionsAndNoTopic() {
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Informasi Registrasi Domain"));
    QCOMPARE(viewer->windowModality(), Qt::NonModal);
    QVERIFY(windows->frmMain.get()->isVisible() && windows->frmMain.get()->isEnabled());
    QCOMPARE(visibleTopic(), 0);
    QVERIFY(checkedBoxes().isEmpty());
    QVERIFY(viewer->Text1->isVisible());
    QVERIFY(viewer->Picture1->isVisible());
    QCOMPARE(viewer->SkinForm1->CurrentSkin(), windows->frmMain.get()->SkinForm1->CurrentSkin());
}

// One box checked at a time, each showing its topic; clicked again it clears but its topic
// stays; "F A Q" clears them all and shows the questions.
void TestInformationViewer::boxesShowOneTopicAtATime() {
    viewer->Checks[4]->click(); // Check5
    QCOMPARE(checkedBoxes(), QList<int>{5});
    QCOMPARE(visibleTopic(), 5);
    viewer->Checks[1]->click(); // Check2
    QCOMPARE(checkedBoxes(), QList<int>{2});
    QCOMPARE(visibleTopic(), 2);
    QCOMPARE(viewer->RichTextBoxes[1]->toPlainText(), QStringLiteral("topik 2"));
    QVERIFY(!viewer->Picture1->isVisible());
    QVERIFY(viewer->Text1->isVisible());

    viewer->Checks[1]->click();
    QVERIFY(checkedBoxes().isEmpty());
    QCOMPARE(visibleTopic(), 2);

    viewer->Checks[2]->click();
    viewer->SkinButton1->click();
    QVERIFY(checkedBoxes().isEmpty());
    QCOMPARE(visibleTopic(), 7);
    QCOMPARE(viewer->RichTextBoxes[6]->toPlainText(), QStringLiteral("topik 7"));
}

void TestInformationViewer::baiklahHidesEverythingAndReopeningStartsClean() {
    viewer->Checks[0]->click();
    viewer->SkinButton2->click();
    QVERIFY(!viewer->isVisible());
    QVERIFY(checkedBoxes().isEmpty());
    QVERIFY(windows->Form13.loaded()); // hidden, kept for the next time

    // The applicant is back on page I when pressing "Informasi" again.
    windows->frmMain.get()->activateWindow();
    QVERIFY(waitUntilActive(windows->frmMain.get()));
    windows->frmMain.get()->SkinButton2->click();
    QCOMPARE(windows->Form13.get(), viewer);
    QVERIFY(waitUntilActive(viewer));
    QCOMPARE(visibleTopic(), 0);
    QVERIFY(viewer->Text1->isVisible());
    QVERIFY(viewer->Picture1->isVisible());
}

void TestInformationViewer::topicIsReadAfreshAtEveryClick() {
    viewer->Checks[0]->click();
    QCOMPARE(viewer->RichTextBoxes[0]->toPlainText(), QStringLiteral("topik 1"));
    writeTopic(1, "{\\rtf1\\ansi {\\b baru} ditulis}");
    viewer->Checks[0]->click();
    QCOMPARE(viewer->RichTextBoxes[0]->toPlainText(), QStringLiteral("baru ditulis"));
    writeTopic(1, QByteArray());
    viewer->Checks[0]->click();
    QCOMPARE(viewer->RichTextBoxes[0]->toPlainText(), QString());
}

void TestInformationViewer::missingTopicShowsAMessageAndTheWindowStaysUsable() {
    QVERIFY(QFile::remove(work->filePath("dat3.jov")));
    QVERIFY(QFile::remove(work->filePath("dat4.jov")));
    QVERIFY(QDir().mkdir(QStringLiteral("dat4.jov"))); // a folder where a file should be
    viewer->Checks[2]->click();
    const QString message = viewer->RichTextBoxes[2]->toPlainText();
    QCOMPARE(message, QStringLiteral("Topik bantuan tidak ditemukan: dat3.jov"));
    viewer->Checks[3]->click();
    QCOMPARE(viewer->RichTextBoxes[3]->toPlainText(),
             QStringLiteral("Topik bantuan tidak dapat dibaca: dat4.jov"));
    QCOMPARE(visibleTopic(), 4);
    viewer->SkinButton1->click();
    QCOMPARE(visibleTopic(), 7);
}

void TestInformationViewer::topicsFallBackToTheDataFolder() {
    // The topics installed with the program stand in for one missing in the work folder;
    // one in the work folder comes first.
    QVERIFY(QFile::remove(work->filePath("dat7.jov")));
    work->write(QStringLiteral("installed/dat7.jov"), "{\\rtf1 terpasang}");
    work->write(QStringLiteral("installed/dat1.jov"), "{\\rtf1 terpasang}");
    viewer->SkinButton1->click();
    QCOMPARE(viewer->RichTextBoxes[6]->toPlainText(), QStringLiteral("terpasang"));
    viewer->Checks[0]->click();
    QCOMPARE(viewer->RichTextBoxes[0]->toPlainText(), QStringLiteral("topik 1"));

    // The program's own folder holds the seven topics it ships with.
    for (int topic = 1; topic <= 7; ++topic) {
        QFile shipped(QStringLiteral(VELD_SOURCE_DIR "/resources/help/dat%1.jov").arg(topic));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QVERIFY(shipped.readAll().startsWith("{\\rtf1"));
    }
    QVERIFY(Form13::installedHelpFolder().endsWith(QStringLiteral("share/veld")));
}

void TestInformationViewer::instructionTextNamesTheZones() {
    const QString text = Form13::instructionText();
    QVERIFY(text.startsWith(
        QStringLiteral("\r\n\r\n\r\n\tCara melihat Informasi Registrasi Domain:\r\n")));
    QVERIFY(text.contains(
        QStringLiteral("\tKlik CheckBox 2 untuk Keterangan Domain .laman\r\n\tatau\r\n")));
    QVERIFY(
        text.contains(QStringLiteral("\tKlik CheckBox 6 untuk Contoh Domain .ilmu.kampus\r\n")));
    QVERIFY(!text.contains(QRegularExpression(QStringLiteral("[^\\r]\\n"))));
}

QTEST_MAIN(TestInformationViewer)
#include "tst_information_viewer.moc"
