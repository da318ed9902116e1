// The information viewer: one-of-six selection, topics read afresh from disk, the
// data-folder fallback, and a window that stays usable when a topic is missing.
#include "support/gui_fixture.h"
#include "ui/rich_text_box.h"
#include "ui/skin_button.h"
#include "wizard/information_viewer.h"
#include "wizard/main_window.h"

#include <QCheckBox>

class TestInformationViewer : public GuiTest {
    Q_OBJECT
private slots:
    void init();
    void activationShowsTheInstructionsAndNoTopic();
    void boxesShowOneTopicAtATime();
    void baiklahHidesEverythingAndReopeningStartsClean();
    void topicIsReadAfreshAtEveryClick();
    void missingTopicShowsAMessageAndTheWindowStaysUsable();
    void topicsFallBackToTheDataFolder();

private:
    void writeTopic(int number, const QByteArray &text);
    QList<int> checkedBoxes() const;
    int visibleTopic() const;
    QCheckBox *check(int number) const {
        return control<QCheckBox>(viewer, QStringLiteral("Check%1").arg(number));
    }
    QString topic(int number) const {
        return control<RichTextBox>(viewer, QStringLiteral("RichTextBox%1").arg(number))
            ->toPlainText();
    }
    void openViewer();

    frmMain *page = nullptr;
    Form13 *viewer = nullptr;
};

void TestInformationViewer::init() {
    GuiTest::init();
    for (int topic = 1; topic <= 7; ++topic)
        writeTopic(topic, "{\\rtf1\\ansi topik " + QByteArray::number(topic) + "}");
    // The installed topics are looked for in a folder of this test's own.
    QVERIFY(QDir().mkdir(QStringLiteral("installed")));
    restart(work().filePath("installed"));
    page = window<frmMain>();
    openViewer();
}

// "Informasi" on page I.
void TestInformationViewer::openViewer() {
    button(page, "SkinButton2")->click();
    viewer = window<Form13>();
    QVERIFY(waitUntilActive(viewer));
}

void TestInformationViewer::writeTopic(int number, const QByteArray &text) {
    work().write(QStringLiteral("dat%1.jov").arg(number), text);
}

QList<int> TestInformationViewer::checkedBoxes() const {
    QList<int> checked;
    for (int i = 0; i < 6; ++i)
        if (check(i + 1)->isChecked())
            checked << i + 1;
    return checked;
}

// The one topic box on the screen (1 to 7), 0 for none; -1 when more than one is.
int TestInformationViewer::visibleTopic() const {
    int shown = 0;
    for (int i = 0; i < 7; ++i) {
        if (control(viewer, QStringLiteral("RichTextBox%1").arg(i + 1))->isVisible()) {
            if (shown)
                return -1;
            shown = i + 1;
        }
    }
    return shown;
}

// Beside page I, which stays usable; the instructions and no topic.
void TestInformationViewer::activationShowsTheInstructionsAndNoTopic() {
    QCOMPARE(viewer->windowModality(), Qt::NonModal);
    QVERIFY(page->isVisible() && page->isEnabled());
    QCOMPARE(visibleTopic(), 0);
    QVERIFY(checkedBoxes().isEmpty());
    QVERIFY(control(viewer, "Text1")->isVisible());
    QVERIFY(control(viewer, "Picture1")->isVisible());
    QCOMPARE(viewer->SkinForm1->CurrentSkin(), page->SkinForm1->CurrentSkin());
    // The instructions end their lines as the topics' own program did: CR LF.
    QVERIFY(!Form13::instructionText().contains(QRegularExpression(QStringLiteral("[^\\r]\\n"))));
}

// One box checked at a time, each showing its topic; clicked again it clears but its topic
// stays; "F A Q" clears them all and shows the questions.
void TestInformationViewer::boxesShowOneTopicAtATime() {
    check(5)->click();
    QCOMPARE(checkedBoxes(), QList<int>{5});
    QCOMPARE(visibleTopic(), 5);
    check(2)->click();
    QCOMPARE(checkedBoxes(), QList<int>{2});
    QCOMPARE(visibleTopic(), 2);
    QCOMPARE(topic(2), QStringLiteral("topik 2"));
    QVERIFY(!control(viewer, "Picture1")->isVisible());
    QVERIFY(control(viewer, "Text1")->isVisible());

    check(2)->click();
    QVERIFY(checkedBoxes().isEmpty());
    QCOMPARE(visibleTopic(), 2);

    check(3)->click();
    button(viewer, "SkinButton1")->click();
    QVERIFY(checkedBoxes().isEmpty());
    QCOMPARE(visibleTopic(), 7);
    QCOMPARE(topic(7), QStringLiteral("topik 7"));
}

void TestInformationViewer::baiklahHidesEverythingAndReopeningStartsClean() {
    check(1)->click();
    button(viewer, "SkinButton2")->click();
    QVERIFY(!viewer->isVisible());
    QVERIFY(checkedBoxes().isEmpty());
    QVERIFY(loaded<Form13>()); // hidden, kept for the next time

    // The applicant is back on page I when pressing "Informasi" again.
    page->activateWindow();
    QVERIFY(waitUntilActive(page));
    Form13 *before = viewer;
    openViewer();
    QCOMPARE(viewer, before);
    QCOMPARE(visibleTopic(), 0);
    QVERIFY(control(viewer, "Text1")->isVisible());
    QVERIFY(control(viewer, "Picture1")->isVisible());
}

void TestInformationViewer::topicIsReadAfreshAtEveryClick() {
    check(1)->click();
    QCOMPARE(topic(1), QStringLiteral("topik 1"));
    writeTopic(1, "{\\rtf1\\ansi {\\b baru} ditulis}");
    check(1)->click();
    QCOMPARE(topic(1), QStringLiteral("baru ditulis"));
    writeTopic(1, QByteArray());
    check(1)->click();
    QCOMPARE(topic(1), QString());
}

void TestInformationViewer::missingTopicShowsAMessageAndTheWindowStaysUsable() {
    QVERIFY(QFile::remove(work().filePath("dat3.jov")));
    QVERIFY(QFile::remove(work().filePath("dat4.jov")));
    QVERIFY(QDir().mkdir(QStringLiteral("dat4.jov"))); // a folder where a file should be
    check(3)->click();
    const QString message = topic(3);
    QCOMPARE(message, QStringLiteral("Topik bantuan tidak ditemukan: dat3.jov"));
    check(4)->click();
    QCOMPARE(topic(4), QStringLiteral("Topik bantuan tidak dapat dibaca: dat4.jov"));
    QCOMPARE(visibleTopic(), 4);
    button(viewer, "SkinButton1")->click();
    QCOMPARE(visibleTopic(), 7);
}

void TestInformationViewer::topicsFallBackToTheDataFolder() {
    // The topics installed with the program stand in for one missing in the work folder;
    // one in the work folder comes first. (That the seven shipped topics are found beside
    // the installed program is the installed-program test's.)
    QVERIFY(QFile::remove(work().filePath("dat7.jov")));
    work().write(QStringLiteral("installed/dat7.jov"), "{\\rtf1 terpasang}");
    work().write(QStringLiteral("installed/dat1.jov"), "{\\rtf1 terpasang}");
    button(viewer, "SkinButton1")->click();
    QCOMPARE(topic(7), QStringLiteral("terpasang"));
    check(1)->click();
    QCOMPARE(topic(1), QStringLiteral("topik 1"));
}

QTEST_MAIN(TestInformationViewer)
#include "tst_information_viewer.moc"
