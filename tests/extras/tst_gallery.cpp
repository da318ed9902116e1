// The hidden gallery: the key chord on the declaration page's dialog, the code-and-password
// window, the picture page with its captions and its way out, back to the same page.
#include "document/maker.h"
#include "extras/gallery_lock.h"
#include "extras/gallery_page.h"
#include "support/gui_fixture.h"
#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "ui/skin_storage.h"
#include "wizard/declaration_message_box.h"
#include "wizard/declaration_page.h"
#include "wizard/main_window.h"

namespace {
constexpr Qt::KeyboardModifiers chordModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
} // namespace

class TestGallery : public GuiTest {
    Q_OBJECT
private slots:
    void init();
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

    Form7 *page = nullptr;
    SkinRef pageSkin;
};

void TestGallery::init() {
    GuiTest::init();
    page = static_cast<Form7 *>(reachPage(QStringLiteral("Form7")));
    pageSkin = window<frmMain>()->skinStorages[5]->StoredSkin();
    page->SkinForm1->setCurrentSkin(pageSkin);
    field(page, "Text1")->setText(QStringLiteral("Sari Wulandari"));
    QVERIFY(waitUntilActive(page));
}

Form9 *TestGallery::openLock() {
    nextButton(page)->click();
    Form12 *dialog = window<Form12>();
    if (!waitUntilActive(dialog))
        return nullptr;
    QTest::keyClick(dialog, Qt::Key_9, chordModifiers);
    button(dialog, "SkinButton2")->click();
    return loaded<Form9>() ? window<Form9>() : nullptr;
}

Form14 *TestGallery::openGallery() {
    Form9 *lock = openLock();
    if (!lock || !waitUntilActive(lock))
        return nullptr;
    field(lock, "Text1")->setText(QLatin1String(Form9::codeName));
    field(lock, "Text2")->setText(QLatin1String(Form9::password));
    button(lock, "SkinButton1")->click();
    Form14 *gallery = window<Form14>();
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
}

void TestGallery::onlyTheChordRevealsWhateverHasTheFocus() {
    QFETCH(bool, focusOnButton);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    nextButton(page)->click();
    Form12 *dialog = window<Form12>();
    QVERIFY(waitUntilActive(dialog));
    QWidget *target = dialog;
    if (focusOnButton) {
        button(dialog, "SkinButton1")->setFocus();
        QTRY_VERIFY(button(dialog, "SkinButton1")->hasFocus());
        target = button(dialog, "SkinButton1");
    }
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    const bool chord = modifiers == int(chordModifiers) && key == Qt::Key_9;
    QCOMPARE(control(dialog, "SkinLabel3")->isVisible(), chord);
    QCOMPARE(button(dialog, "SkinButton2")->isVisible(), chord);
    QVERIFY(loaded<Form12>()); // the key never pressed "Baiklah.."
    if (!chord)
        return;
    // The dialog makes room for them: whole, and the button wide enough for its text.
    QVERIFY(dialog->rect().contains(button(dialog, "SkinButton2")->geometry()));
    QVERIFY(dialog->rect().contains(control(dialog, "SkinLabel3")->geometry()));
    QVERIFY(button(dialog, "SkinButton2")->width() >=
            button(dialog, "SkinButton2")->sizeHint().width());

    button(dialog, "SkinButton2")->click();
    QVERIFY(!loaded<Form12>());
    Form9 *lock = window<Form9>();
    QVERIFY(waitUntilActive(lock));
    QCOMPARE(lock->parentWidget(), page); // modal to the page, as the dialog was
    QCOMPARE(lock->windowModality(), Qt::WindowModal);
    QCOMPARE(lock->SkinForm1->CurrentSkin(), pageSkin);
    QVERIFY(!control(lock, "SkinLabel3")->isVisible());
    // A screen reader hears a named, modal dialog of named controls.
    QCOMPARE(modalDialogCheck(lock, QStringLiteral("Master Crosscheck Devices..")), QStringList());
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
    QVERIFY(!button(lock, "SkinButton1")->isEnabled());
    for (const QString &step : typing)
        QTest::keyClicks(step.startsWith(u'1') ? field(lock, "Text1") : field(lock, "Text2"),
                         step.mid(2));
    QCOMPARE(control(lock, "SkinLabel3")->isVisible(), refused);
    QCOMPARE(button(lock, "SkinButton1")->isEnabled(), opens);
    if (!opens)
        return;

    button(lock, "SkinButton1")->click();
    QVERIFY(!loaded<Form9>());
    Form14 *gallery = window<Form14>();
    QVERIFY(waitUntilActive(gallery));
    QCOMPARE(gallery->parentWidget(), page);
    QCOMPARE(gallery->SkinForm1->CurrentSkin(), pageSkin);
}

void TestGallery::pictureCodeShowsTheSecondPicture() {
    Form14 *gallery = openGallery();
    QVERIFY(gallery);
    QCOMPARE(modalDialogCheck(gallery, QStringLiteral("Congratulations!!.. you found this one...")),
             QStringList());
    QWidget *second = control(gallery, "Picture2");
    QWidget *caption = control(gallery, "SkinLabel3");
    QVERIFY(control(gallery, "Picture1")->isVisible());
    QVERIFY(!second->isVisible() && !caption->isVisible());

    QLineEdit *code = field(gallery, "Text1");
    SkinButton *show = button(gallery, "SkinButton2");
    QVERIFY(!show->isEnabled());
    QTest::keyClicks(code, QStringLiteral("tul"));
    QVERIFY(!show->isEnabled());
    QTest::keyClick(code, Qt::Key_O);
    QVERIFY(show->isEnabled());
    QTest::keyClick(code, Qt::Key_O);
    QVERIFY(!show->isEnabled());
    QTest::keyClick(code, Qt::Key_Backspace);
    QVERIFY(show->isEnabled());

    auto *captionTimer = control<QTimer>(gallery, "Timer2");
    captionTimer->stop();
    show->click();
    QVERIFY(second->isVisible() && caption->isVisible());
    QVERIFY(captionTimer->isActive());

    // Activated anew, the second picture and its caption are put away again.
    QVERIFY(activateAgain(gallery));
    QVERIFY(!second->isVisible() && !caption->isVisible());
}

void TestGallery::captionsComeRoundAfterTenTicks() {
    Form14 *gallery = window<Form14>();
    QVERIFY(control<QTimer>(gallery, "Timer1")->isActive());
    QVERIFY(control<QTimer>(gallery, "Timer2")->isActive());
    QStringList first, second;
    for (int tick = 0; tick < 10; ++tick) {
        gallery->Timer1_Timer();
        first << control<SkinLabel>(gallery, "SkinLabel1")->text();
    }
    QCOMPARE(gallery->counter2(), 0); // each caption moves on only with its own timer
    for (int tick = 0; tick < 10; ++tick) {
        gallery->Timer2_Timer();
        second << control<SkinLabel>(gallery, "SkinLabel3")->text();
    }
    // Five captions each, round and round; the second one's third is empty.
    QCOMPARE(first.mid(0, 5), first.mid(5));
    QCOMPARE(QSet<QString>(first.begin(), first.end()).size(), 5);
    QCOMPARE(second.mid(0, 5), second.mid(5));
    QCOMPARE(second[2], QString());
    QVERIFY(second[1].contains(QLatin1String(maker::author)));
    QCOMPARE(gallery->counter1(), 0);
    QCOMPARE(gallery->counter2(), 0);
}

void TestGallery::wayOutTakesThreeTriesAndKeepsThePage() {
    Form14 *gallery = openGallery();
    QVERIFY(gallery);
    SkinButton *const exits[] = {button(gallery, "SkinButton1"), button(gallery, "SkinButton3"),
                                 button(gallery, "SkinButton4"), button(gallery, "SkinButton5")};
    for (int step = 0; step < 4; ++step) {
        for (int i = 0; i < 4; ++i)
            QCOMPARE(exits[i]->isVisible(), i == step);
        if (step < 3)
            exits[step]->click();
    }

    QPointer<Form14> watch = gallery;
    button(gallery, "SkinButton5")->click();
    QVERIFY(!loaded<Form14>());
    QVERIFY(waitUntilActive(page));
    QCOMPARE(field(page, "Text1")->text(), QStringLiteral("Sari Wulandari"));
    QCOMPARE(page->SkinForm1->CurrentSkin(), pageSkin);
    QTRY_VERIFY(watch.isNull());
    QVERIFY(!work().exists("DATM4.JOV")); // nothing was written on the way
}

void TestGallery::closingEitherWindowReturnsToThePage() {
    Form9 *lock = openLock();
    QVERIFY(lock && waitUntilActive(lock));
    lock->close();
    QVERIFY(!loaded<Form9>());
    QVERIFY(waitUntilActive(page));

    Form14 *gallery = openGallery();
    QVERIFY(gallery);
    gallery->close();
    QVERIFY(!loaded<Form14>());
    QVERIFY(waitUntilActive(page));
    QCOMPARE(field(page, "Text1")->text(), QStringLiteral("Sari Wulandari"));
}

QTEST_MAIN(TestGallery)
#include "tst_gallery.moc"
