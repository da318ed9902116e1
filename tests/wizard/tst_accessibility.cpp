// What a screen reader finds in the wizard's windows, walked through QAccessible as the
// Linux bridge publishes them: names, roles, the modal state of dialogs, and nothing
// decorative or hidden on the way.
#include "extras/about_box.h"
#include "extras/credits_roll.h"
#include "extras/gallery_lock.h"
#include "extras/gallery_page.h"
#include "mail/send_page.h"
#include "mail/smtp_error_dialog.h"
#include "mail/smtp_login_dialog.h"
#include "support/accessibility_walk.h"
#include "support/gui_fixture.h"
#include "ui/accessibility.h"
#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "ui/splash_screen.h"
#include "wizard/contact_page.h"
#include "wizard/declaration_message_box.h"
#include "wizard/declaration_page.h"
#include "wizard/incomplete_data_dialog.h"
#include "wizard/information_viewer.h"
#include "wizard/mail_exchanger_page.h"
#include "wizard/main_window.h"
#include "wizard/name_server_page.h"
#include "wizard/record_choice_page.h"
#include "wizard/work_file_error_dialog.h"

#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

namespace {

bool reachedByTab(QAbstractButton *button) {
    if (button->focusPolicy() & Qt::TabFocus)
        return true;
    // Tab goes into a group of option buttons at one of them; the arrows go on from there.
    const auto group =
        button->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
    return qobject_cast<QRadioButton *>(button) && button->autoExclusive() &&
           std::any_of(group.begin(), group.end(), [](QRadioButton *option) {
               return option->autoExclusive() && (option->focusPolicy() & Qt::TabFocus);
           });
}

// What a screen reader or keyboard user would miss in a window on the screen: a control
// without a name, a window without a caption, a dialog not heard as a modal one, a button
// that Tab cannot reach.
QStringList problemsOf(SkinWindow *window) {
    const QList<AccessibleNode> tree = accessibleTree(window);
    QStringList problems = namingProblems(tree);
    const AccessibleNode *node = findNode(tree, window);
    if (!node || !node->shown || node->name.isEmpty())
        problems << window->objectName() + QStringLiteral(": not shown, or no caption");
    else if (window->isDialog() && (node->role != QAccessible::Dialog || !node->state.modal))
        problems << window->objectName() + QStringLiteral(": not a modal dialog");
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (button->isVisibleTo(window) && button->isEnabled() && !reachedByTab(button))
            problems << window->objectName() + u'/' + button->objectName() +
                            QStringLiteral(": not reached by Tab");
    // Fields of one name, such as a row caption in every column, cannot be told apart by ear.
    QStringList fieldNames;
    for (QLineEdit *field : window->findChildren<QLineEdit *>()) {
        const AccessibleNode *fieldNode = findNode(tree, field);
        if (!fieldNode || !fieldNode->shown || field->window() != window)
            continue;
        if (fieldNames.contains(fieldNode->name))
            problems << fieldNode->path + QStringLiteral(": the name of another field");
        fieldNames << fieldNode->name;
    }
    return problems;
}

} // namespace

class TestAccessibility : public GuiTest {
    Q_OBJECT
private slots:
    void init();
    void everyWindowNamesItsControlsAndTabReachesItsButtons();
    void pageOneIsAFrameOfNamedControls();
    void viewerLeavesOutItsEmptyCells();
    void splashLeavesTheTreeWhenHidden();

private:
    frmMain *page = nullptr;
};

void TestAccessibility::init() {
    GuiTest::init();
    page = window<frmMain>();
    QVERIFY(waitUntilActive(page));
}

// Every window of the program, each on the screen in its fullest state: every part it can
// show is shown, every dialog raised.
void TestAccessibility::everyWindowNamesItsControlsAndTabReachesItsButtons() {
    QStringList problems;
    QStringList walked;
    auto walk = [&](SkinWindow *window) {
        if (!window->isVisible())
            window->Show();
        QVERIFY2(waitUntilActive(window), qPrintable(window->objectName()));
        problems << problemsOf(window);
        walked << window->objectName();
    };

    // Page I with its open menus, its dialog, the viewer on a topic, the about box, the credits.
    auto *tampilan = control<QMenu>(page, "mnFile");
    tampilan->popup(page->mapToGlobal(QPoint(0, 0)));
    auto *skins = control<QMenu>(page, "mnBuildSkin");
    skins->popup(page->mapToGlobal(QPoint(40, 40)));
    QTRY_VERIFY(skins->isVisible());
    problems << namingProblems(accessibleTree(tampilan)) << namingProblems(accessibleTree(skins));
    skins->close();
    tampilan->close();
    walk(page);
    button(page, "SkinButton3")->click();
    walk(incompleteDialog("FormMessageBox"));
    button(incompleteDialog("FormMessageBox"), "SkinButton1")->click();
    // Once closed, the dialog no longer claims to be modal.
    QVERIFY(!findNode(accessibleTree(qApp), incompleteDialog("FormMessageBox"))->state.modal);
    button(page, "SkinButton2")->click();
    control<QAbstractButton>(window<Form13>(), "Check2")->click();
    walk(window<Form13>());
    control<QAction>(page, "mnAbout")->trigger();
    walk(window<frmAbout>());
    button(window<frmAbout>(), "SkinButton2")->click();
    FormCredits *credits = window<FormCredits>();
    button(credits, "SkinButton1")->show();
    control(credits, "Picture2")->show();
    walk(credits);
    button(credits, "SkinButton1")->click();
    button(window<frmAbout>(), "SkinButton1")->click();

    // The pages, each with the dialog its empty Next raises, and the gallery behind page V.
    auto raiseDialog = [&](SkinWindow *owner, auto raised) {
        nextButton(owner)->click();
        SkinWindow *dialog = raised();
        walk(dialog);
        button(dialog, "SkinButton1")->click();
        QVERIFY(waitUntilActive(owner));
    };
    Form2 *contacts = completePageOne();
    walk(contacts);
    raiseDialog(contacts, [this] { return incompleteDialog("Form3"); });
    completePage(contacts);
    walk(window<Form4>());
    window<Form6>()->Show(); // the other branch, on its own
    walk(window<Form6>());
    raiseDialog(window<Form6>(), [this] { return incompleteDialog("Form11"); });
    unload<Form6>();
    button(window<Form4>(), "SkinButton1")->click();
    walk(window<Form5>());
    raiseDialog(window<Form5>(), [this] { return incompleteDialog("Form10"); });
    completePage(window<Form5>());
    Form7 *declaration = window<Form7>();
    walk(declaration);
    window<WorkFileErrorDialog>()->setMessage(QStringLiteral("DAT.JOV"));
    window<WorkFileErrorDialog>()->showOver(declaration);
    walk(window<WorkFileErrorDialog>());
    button(window<WorkFileErrorDialog>(), "SkinButton1")->click();

    nextButton(declaration)->click();
    Form12 *registrant = window<Form12>();
    QVERIFY(waitUntilActive(registrant));
    QTest::keyClick(registrant, Qt::Key_9,
                    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    QVERIFY(button(registrant, "SkinButton2")->isVisible());
    walk(registrant);
    button(registrant, "SkinButton2")->click();
    Form9 *lock = window<Form9>();
    QVERIFY(waitUntilActive(lock));
    field(lock, "Text1")->setText(QLatin1String(Form9::codeName));
    field(lock, "Text2")->setText(QLatin1String(Form9::password));
    walk(lock);
    button(lock, "SkinButton1")->click();
    Form14 *gallery = window<Form14>();
    QVERIFY(waitUntilActive(gallery));
    field(gallery, "Text1")->setText(QLatin1String(Form14::pictureCode));
    button(gallery, "SkinButton2")->click();
    for (const char *exit : {"SkinButton1", "SkinButton3", "SkinButton4", "SkinButton5"})
        button(gallery, QLatin1String(exit))->show();
    walk(gallery);
    button(gallery, "SkinButton5")->click();

    // The send page with its status, its error dialog and its login.
    QVERIFY(waitUntilActive(declaration));
    completePage(declaration);
    frmMail *sendPage = window<frmMail>();
    control(sendPage, "Frame1")->show();
    walk(sendPage);
    window<Form1>()->showOver(sendPage);
    walk(window<Form1>());
    button(window<Form1>(), "SkinButton1")->click();
    window<SmtpLoginDialog>()->ask(sendPage, QStringLiteral("smtp.contoh.qv"),
                                   QStringLiteral("sari"));
    walk(window<SmtpLoginDialog>());

    QCOMPARE(walked.size(), 20);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

// The names and captions are the walk's; here what page I's frame says with them.
void TestAccessibility::pageOneIsAFrameOfNamedControls() {
    // Enough lines for the description's scroll bar to show.
    auto *description = control<QPlainTextEdit>(page, "Text3");
    description->setPlainText(QStringLiteral("satu\ndua\ntiga\nempat\nlima\nenam"));
    auto *zone = control<QComboBox>(page, "Combo1");
    zone->setEditText(QStringLiteral(".usaha"));
    QTRY_VERIFY(description->verticalScrollBar()->isVisible());
    const QList<AccessibleNode> tree = accessibleTree(qApp);
    const AccessibleNode *window = findNode(tree, page);
    QVERIFY(window && window->role == QAccessible::Window && !window->state.modal);

    // Each field is heard by the caption that starts its row on the screen.
    const QList<SkinLabel *> labels = page->findChildren<SkinLabel *>();
    for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
        QWidget *entry = control(page, QLatin1String(name));
        const auto caption = std::find_if(labels.begin(), labels.end(), [entry](SkinLabel *label) {
            return label->y() == entry->y() && label->x() < entry->x();
        });
        QVERIFY2(caption != labels.end(), name);
        QCOMPARE(findNode(tree, entry)->name, (*caption)->text());
    }
    // The zone box says what it is; what it holds is its value, also in its edit line.
    for (QWidget *box : std::initializer_list<QWidget *>{zone, zone->lineEdit()}) {
        const AccessibleNode *node = findNode(tree, box);
        QVERIFY(node && node->name.startsWith(findNode(tree, control(page, "Text1"))->name));
        QCOMPARE(node->value, QStringLiteral(".usaha"));
    }

    for (int i = 9; i <= 14; ++i) { // the captionless labels
        auto *decoration = control<SkinLabel>(page, QStringLiteral("SkinLabel%1").arg(i));
        QVERIFY(isDecorative(decoration));
        QVERIFY2(!findNode(tree, decoration), qPrintable(decoration->objectName()));
    }
    // The labels that do say something are still there.
    QVERIFY(findNode(tree, control(page, "SkinLabel2")));
    QVERIFY(findNode(tree, control(page, "SkinLabel21")));
}

void TestAccessibility::viewerLeavesOutItsEmptyCells() {
    button(page, "SkinButton2")->click();
    Form13 *viewer = window<Form13>();
    QVERIFY(waitUntilActive(viewer));
    const QList<AccessibleNode> tree = accessibleTree(qApp);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(findNode(tree, control(viewer, QStringLiteral("SkinLabel%1").arg(i + 1))) !=
                     nullptr,
                 i < 6);
}

void TestAccessibility::splashLeavesTheTreeWhenHidden() {
    SplashScreen splash(0);
    const auto splashNodes = [&splash] {
        const QList<AccessibleNode> tree = accessibleTree(qApp);
        return std::count_if(tree.begin(), tree.end(), [&splash](const AccessibleNode &node) {
            return node.object == &splash || node.name.contains(QStringLiteral("REGISTRASI"));
        });
    };
    QCOMPARE(splashNodes(), 0); // the main window's own splash has come and gone
    qsizetype whileShown = -1;
    connect(&splash, &SplashScreen::splashShown, this, [&] { whileShown = splashNodes(); });
    splash.LoadSplash();
    splash.ShowSplash();
    QCOMPARE(whileShown, 1);
    QVERIFY(!splash.isVisible());
    QCOMPARE(splashNodes(), 0);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
