// The hidden gallery: the key chord on the declaration page's dialog, the code-and-password
// window, the picture page with its captions and its way out, back to the same page.
#include "extras/gallery_lock.h"
#include "extras/gallery_page.h"
#include "support/accessibility_walk.h"
#include "support/work_dir.h"
#include "ui/maker.h"
#include "wizard/declaration_message_box.h"
#include "wizard/information_viewer.h"
#include "wizard/quick_start.h"
#include "wizard/wizard_run.h"

#include <QtTest>

namespace {
constexpr Qt::KeyboardModifiers chordModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

// A screen reader hears the window as a named, modal dialog of named controls.
void checkModalDialog(SkinWindow *window, const QString &caption) {
    const QStringList problems = modalDialogProblems(accessibleTree(qApp), window, caption);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}
} // namespace

class TestGallery : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void chordIsKnownHoweverThePlatformReportsIt_data();
    void chordIsKnownHoweverThePlatformReportsIt();
    void onlyTheChordRevealsWhateverHasTheFocus_data();
    void onlyTheChordRevealsWhateverHasTheFocus();
    void lockOpensOnlyForTheExactCodeAndPassword_data();
    void lockOpensOnlyForTheExactCodeAndPassword();
    void pictureCodeShowsTheSecondPicture();
    void captionsComeRoundAfterTenTicks();
    void wayOutTakesThreeTriesAndKeepsThePage();
    void closingEitherWindowReturnsToThePage();

private:
    // From a declaration page with a name typed, its skin not the main window's, through
    // an empty Next to the dialog, the chord and the button it reveals.
    Form9 *openLock();
    Form14 *openGallery();

    std::unique_ptr<ScopedWorkDir> work;
    std::unique_ptr<WindowSet> windows;
    Form7 *page = nullptr;
    SkinRef pageSkin;
};

void TestGallery::init() {
    work = std::make_unique<ScopedWorkDir>();
    windows = std::make_unique<WindowSet>(quickStart());
    page = static_cast<Form7 *>(reachPage(*windows, QStringLiteral("Form7")));
    pageSkin = windows->frmMain.get()->skinStorages[5]->StoredSkin();
    page->SkinForm1->setCurrentSkin(pageSkin);
    page->Text1->setText(QStringLiteral("Sari Wulandari"));
    QVERIFY(waitUntilActive(page));
}

void TestGallery::cleanup() {
    windows.reset();
    work.reset();
}

Form9 *TestGallery::openLock() {
    page->SkinButton1->click();
    Form12 *dialog = windows->Form12.get();
    if (!waitUntilActive(dialog))
        return nullptr;
    QTest::keyClick(dialog, Qt::Key_9, chordModifiers);
    dialog->SkinButton2->click();
    return windows->Form9.loaded() ? windows->Form9.get() : nullptr;
}

Form14 *TestGallery::openGallery() {
    Form9 *lock = openLock();
    if (!lock || !waitUntilActive(lock))
        return nullptr;
    lock->Text1->setText(QLatin1String(Form9::codeName));
    lock->Text2->setText(QLatin1String(Form9::password));
    lock->SkinButton1->click();
    Form14 *gallery = windows->Form14.get();
    return waitUntilActive(gallery) ? gallery : nullptr;
}

void TestGallery::chordIsKnownHoweverThePlatformReportsIt_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<quint32>("virtualKey");
    QTest::addColumn<bool>("chord");
    const int all = int(chordModifiers);
    const int noShift = int(Qt::ControlModifier | Qt::AltModifier);
    QTest::newRow("digit") << "offscreen" << int(Qt::Key_9) << all << 0u << 0u << true;
    QTest::newRow("digit without Shift")
        << "offscreen" << int(Qt::Key_9) << noShift << 0u << 0u << false;
    QTest::newRow("other digit") << "offscreen" << int(Qt::Key_8) << all << 0u << 0u << false;
    QTest::newRow("keypad 9") << "xcb" << int(Qt::Key_9) << (all | int(Qt::KeypadModifier)) << 81u
                              << 0xffb9u << false;
    // X11 and Wayland report Shift+9 as '(' on the 9 key, code 18; '(' elsewhere is not it.
    QTest::newRow("X11 shifted 9")
        << "xcb" << int(Qt::Key_ParenLeft) << all << 18u << 0x28u << true;
    QTest::newRow("Wayland shifted 9")
        << "wayland" << int(Qt::Key_ParenLeft) << all << 18u << 0x28u << true;
    QTest::newRow("X11 9 key without Alt")
        << "xcb" << int(Qt::Key_ParenLeft) << int(Qt::ShiftModifier | Qt::ControlModifier) << 18u
        << 0x28u << false;
    QTest::newRow("X11 shifted 0")
        << "xcb" << int(Qt::Key_ParenRight) << all << 19u << 0x29u << false;
    QTest::newRow("Windows 9 key")
        << "windows" << int(Qt::Key_ParenLeft) << all << 10u << 0x39u << true;
    QTest::newRow("Windows E key") << "windows" << int(Qt::Key_E) << all << 18u << 0x45u << false;
}

void TestGallery::chordIsKnownHoweverThePlatformReportsIt() {
    QFETCH(QString, platform);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(quint32, scanCode);
    QFETCH(quint32, virtualKey);
    QFETCH(bool, chord);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), scanCode,
                          virtualKey, 0);
    QCOMPARE(Form12::isGalleryChord(event, platform), chord);
}

void TestGallery::onlyTheChordRevealsWhateverHasTheFocus_data() {
    QTest::addColumn<bool>("focusOnButton");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("chord, button focused") << true << int(Qt::Key_9) << int(chordModifiers);
    QTest::newRow("chord, dialog itself") << false << int(Qt::Key_9) << int(chordModifiers);
    QTest::newRow("no Shift") << true << int(Qt::Key_9)
                              << int(Qt::ControlModifier | Qt::AltModifier);
    QTest::newRow("other key") << true << int(Qt::Key_0) << int(chordModifiers);
}

void TestGallery::onlyTheChordRevealsWhateverHasTheFocus() {
    QFETCH(bool, focusOnButton);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    page->SkinButton1->click();
    Form12 *dialog = windows->Form12.get();
    QVERIFY(waitUntilActive(dialog));
    QWidget *target = dialog;
    if (focusOnButton) {
        dialog->SkinButton1->setFocus();
        QTRY_VERIFY(dialog->SkinButton1->hasFocus());
        target = dialog->SkinButton1;
    }
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    const bool chord = modifiers == int(chordModifiers) && key == Qt::Key_9;
    QCOMPARE(dialog->SkinLabel3->isVisible(), chord);
    QCOMPARE(dialog->SkinButton2->isVisible(), chord);
    QVERIFY(windows->Form12.loaded()); // the key never pressed "Baiklah.."
    if (!chord)
        return;
    // The dialog makes room for them: whole, and the button wide enough for its text.
    QVERIFY(dialog->rect().contains(dialog->SkinButton2->geometry()));
    QVERIFY(dialog->rect().contains(dialog->SkinLabel3->geometry()));
    QVERIFY(dialog->SkinButton2->width() >= dialog->SkinButton2->sizeHint().width());

    dialog->SkinButton2->click();
    QVERIFY(!windows->Form12.loaded());
    Form9 *lock = windows->Form9.get();
    QVERIFY(waitUntilActive(lock));
    QCOMPARE(lock->parentWidget(), page); // modal to the page, as the dialog was
    QCOMPARE(lock->windowModality(), Qt::WindowModal);
    QCOMPARE(lock->SkinForm1->CurrentSkin(), pageSkin);
    QCOMPARE(lock->SkinLabel3->text(), QStringLiteral("Sorry.. Wrong CODE and/or PWD... X-("));
    QVERIFY(!lock->SkinLabel3->isVisible());
    checkModalDialog(lock, QStringLiteral("Master Crosscheck Devices.."));
}

void TestGallery::lockOpensOnlyForTheExactCodeAndPassword_data() {
    QTest::addColumn<QStringList>("typing"); // "1:text" types into Text1, "2:text" into Text2
    QTest::addColumn<bool>("refused");       // SkinLabel3 shown
    QTest::addColumn<bool>("opens");
    QTest::newRow("code, then password") << QStringList{"1:melor", "2:mira4706"} << true << true;
    QTest::newRow("password, then code") << QStringList{"2:mira4706", "1:melor"} << true << true;
    QTest::newRow("code in capitals") << QStringList{"1:MELOR", "2:mira4706"} << true << false;
    QTest::newRow("code with a trailing blank")
        << QStringList{"1:melor ", "2:mira4706"} << true << false;
    QTest::newRow("password after a blank")
        << QStringList{"1:melor", "2: mira4706"} << true << false;
    QTest::newRow("password only") << QStringList{"2:mira4706"} << false << false;
    QTest::newRow("once open, later edits keep it open")
        << QStringList{"1:melor", "2:mira4706", "1:x", "2:y"} << true << true;
}

void TestGallery::lockOpensOnlyForTheExactCodeAndPassword() {
    QFETCH(QStringList, typing);
    QFETCH(bool, refused);
    QFETCH(bool, opens);
    Form9 *lock = openLock();
    QVERIFY(lock && waitUntilActive(lock));
    QVERIFY(!lock->SkinButton1->isEnabled());
    for (const QString &step : typing)
        QTest::keyClicks(step.startsWith(u'1') ? lock->Text1 : lock->Text2, step.mid(2));
    QCOMPARE(lock->SkinLabel3->isVisible(), refused);
    QCOMPARE(lock->SkinButton1->isEnabled(), opens);
    if (!opens)
        return;

    lock->SkinButton1->click();
    QVERIFY(!windows->Form9.loaded());
    Form14 *gallery = windows->Form14.get();
    QVERIFY(waitUntilActive(gallery));
    QCOMPARE(gallery->parentWidget(), page);
    QCOMPARE(gallery->SkinForm1->CurrentSkin(), pageSkin);
}

void TestGallery::pictureCodeShowsTheSecondPicture() {
    Form14 *gallery = openGallery();
    QVERIFY(gallery);
    checkModalDialog(gallery, QStringLiteral("Congratulations!!.. you found this one..."));
    QVERIFY(gallery->Picture1->isVisible());
    QVERIFY(!gallery->Picture2->isVisible() && !gallery->SkinLabel3->isVisible());

    QVERIFY(!gallery->SkinButton2->isEnabled());
    QTest::keyClicks(gallery->Text1, QStringLiteral("tul"));
    QVERIFY(!gallery->SkinButton2->isEnabled());
    QTest::keyClick(gallery->Text1, Qt::Key_O);
    QVERIFY(gallery->SkinButton2->isEnabled());
    QTest::keyClick(gallery->Text1, Qt::Key_O);
    QVERIFY(!gallery->SkinButton2->isEnabled());
    QTest::keyClick(gallery->Text1, Qt::Key_Backspace);
    QVERIFY(gallery->SkinButton2->isEnabled());

    gallery->Timer2->stop();
    gallery->SkinButton2->click();
    QVERIFY(gallery->Picture2->isVisible() && gallery->SkinLabel3->isVisible());
    QVERIFY(gallery->Timer2->isActive());

    // Activated anew, the second picture and its caption are put away again.
    windows->Form13.get()->Show();
    QVERIFY(waitUntilActive(windows->Form13.get()));
    gallery->Show();
    QVERIFY(waitUntilActive(gallery));
    QVERIFY(!gallery->Picture2->isVisible() && !gallery->SkinLabel3->isVisible());
}

void TestGallery::captionsComeRoundAfterTenTicks() {
    Form14 *gallery = windows->Form14.get();
    QVERIFY(gallery->Timer1->isActive() && gallery->Timer2->isActive());
    QStringList first, second;
    for (int tick = 0; tick < 10; ++tick) {
        gallery->Timer1_Timer();
        first << gallery->SkinLabel1->text();
    }
    QCOMPARE(gallery->counter2(), 0); // each caption moves on only with its own timer
    for (int tick = 0; tick < 10; ++tick) {
        gallery->Timer2_Timer();
        second << gallery->SkinLabel3->text();
    }
    QCOMPARE(first[0], QStringLiteral("What happened when i designed this application.."));
    QCOMPARE(first.mid(0, 5), first.mid(5));
    QCOMPARE(first[9], QStringLiteral("                Nice, isn't it? .. ;-)              "));
    QCOMPARE(first[3], QStringLiteral("                       C Ya..                       "));
    QCOMPARE(second.mid(0, 5), second.mid(5));
    QCOMPARE(second[2], QString());
    QCOMPARE(second[3], QStringLiteral("      got it?...        :-)  "));
    QVERIFY(second[1].contains(QLatin1String(maker::author)));
    QCOMPARE(gallery->counter1(), 0);
    QCOMPARE(gallery->counter2(), 0);
}

void TestGallery::wayOutTakesThreeTriesAndKeepsThePage() {
    Form14 *gallery = openGallery();
    QVERIFY(gallery);
    SkinButton *const exits[] = {gallery->SkinButton1, gallery->SkinButton3, gallery->SkinButton4,
                                 gallery->SkinButton5};
    const QStringList texts{"Quit ..", "Whoops", "Quit?..", "Ok.. Ok.."};
    for (int step = 0; step < 4; ++step) {
        for (int i = 0; i < 4; ++i)
            QCOMPARE(exits[i]->isVisible(), i == step);
        QCOMPARE(exits[step]->text(), texts[step]);
        if (step < 3)
            exits[step]->click();
    }

    QPointer<Form14> watch = gallery;
    gallery->SkinButton5->click();
    QVERIFY(!windows->Form14.loaded());
    QVERIFY(waitUntilActive(page));
    QCOMPARE(page->Text1->text(), QStringLiteral("Sari Wulandari"));
    QCOMPARE(page->SkinForm1->CurrentSkin(), pageSkin);
    QTRY_VERIFY(watch.isNull());
    QVERIFY(!work->exists("DATM4.JOV")); // nothing was written on the way
}

void TestGallery::closingEitherWindowReturnsToThePage() {
    Form9 *lock = openLock();
    QVERIFY(lock && waitUntilActive(lock));
    lock->close();
    QVERIFY(!windows->Form9.loaded());
    QVERIFY(waitUntilActive(page));

    Form14 *gallery = openGallery();
    QVERIFY(gallery);
    gallery->close();
    QVERIFY(!windows->Form14.loaded());
    QVERIFY(waitUntilActive(page));
    QCOMPARE(page->Text1->text(), QStringLiteral("Sari Wulandari"));
}

QTEST_MAIN(TestGallery)
#include "tst_gallery.moc"
