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
#include "quick_start.h"
#include "support/accessibility_walk.h"
#include "support/windows.h"
#include "support/work_dir.h"
#include "ui/accessibility.h"
#include "wizard/declaration_message_box.h"
#include "wizard/incomplete_data_dialog.h"
#include "wizard/information_viewer.h"
#include "wizard/work_file_error_dialog.h"
#include "wizard_run.h"

#include <QMenu>
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
    return problems;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyWindowNamesItsControlsAndTabReachesItsButtons();
    void pageOneIsAFrameOfNamedControls();
    void viewerLeavesOutItsEmptyCells();
    void splashLeavesTheTreeWhenHidden();

private:
    std::unique_ptr<ScopedWorkDir> work;
    std::unique_ptr<WindowSet> windows;
    frmMain *page = nullptr;
};

void TestAccessibility::init() {
    work = std::make_unique<ScopedWorkDir>();
    windows = std::make_unique<WindowSet>(quickStart());
    page = windows->frmMain.get();
    QVERIFY(waitUntilActive(page));
}

void TestAccessibility::cleanup() {
    windows.reset();
    work.reset();
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
    QMenu *tampilan = page->menuBar->findChild<QMenu *>(QStringLiteral("mnFile"));
    tampilan->popup(page->mapToGlobal(QPoint(0, 0)));
    QMenu *skins = page->menuBar->findChild<QMenu *>(QStringLiteral("mnBuildSkin"));
    skins->popup(page->mapToGlobal(QPoint(40, 40)));
    QTRY_VERIFY(skins->isVisible());
    problems << namingProblems(accessibleTree(tampilan)) << namingProblems(accessibleTree(skins));
    skins->close();
    tampilan->close();
    walk(page);
    page->SkinButton3->click();
    walk(windows->FormMessageBox.get());
    windows->FormMessageBox.get()->SkinButton1->click();
    // Once closed, the dialog no longer claims to be modal.
    QVERIFY(!findNode(accessibleTree(qApp), windows->FormMessageBox.get())->state.modal);
    page->SkinButton2->click();
    windows->Form13.get()->Check_Click(1);
    walk(windows->Form13.get());
    page->mnAbout_Click();
    walk(windows->frmAbout.get());
    windows->frmAbout.get()->SkinButton2_Click();
    FormCredits *credits = windows->FormCredits.get();
    credits->SkinButton1->show();
    credits->Picture2->show();
    walk(credits);
    credits->SkinButton1_Click();
    windows->frmAbout.get()->SkinButton1_Click();

    // The pages, each with the dialog its empty Next raises, and the gallery behind page V.
    auto raiseDialog = [&](SkinWindow *owner, auto &slot) {
        nextButton(owner)->click();
        walk(slot.get());
        slot.get()->SkinButton1_Click();
        QVERIFY(waitUntilActive(owner));
    };
    Form2 *contacts = completePageOne(*windows);
    walk(contacts);
    raiseDialog(contacts, windows->Form3);
    completePage(contacts);
    walk(windows->Form4.get());
    windows->Form6.get()->Show(); // the other branch, on its own
    walk(windows->Form6.get());
    raiseDialog(windows->Form6.get(), windows->Form11);
    windows->Form6.unload();
    windows->Form4.get()->SkinButton1->click();
    walk(windows->Form5.get());
    raiseDialog(windows->Form5.get(), windows->Form10);
    completePage(windows->Form5.get());
    Form7 *declaration = windows->Form7.get();
    walk(declaration);
    windows->WorkFileErrorDialog.get()->showFor(declaration, QStringLiteral("DAT.JOV"));
    walk(windows->WorkFileErrorDialog.get());
    windows->WorkFileErrorDialog.get()->SkinButton1_Click();

    nextButton(declaration)->click();
    Form12 *registrant = windows->Form12.get();
    QVERIFY(waitUntilActive(registrant));
    QTest::keyClick(registrant, Qt::Key_9,
                    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    QVERIFY(registrant->SkinButton2->isVisible());
    walk(registrant);
    registrant->SkinButton2->click();
    Form9 *lock = windows->Form9.get();
    QVERIFY(waitUntilActive(lock));
    lock->Text1->setText(QLatin1String(Form9::codeName));
    lock->Text2->setText(QLatin1String(Form9::password));
    walk(lock);
    lock->SkinButton1_Click();
    Form14 *gallery = windows->Form14.get();
    QVERIFY(waitUntilActive(gallery));
    gallery->Text1->setText(QLatin1String(Form14::pictureCode));
    gallery->SkinButton2_Click();
    for (SkinButton *button :
         {gallery->SkinButton1, gallery->SkinButton3, gallery->SkinButton4, gallery->SkinButton5})
        button->show();
    walk(gallery);
    gallery->SkinButton5_Click();

    // The send page with its status, its error dialog and its login.
    QVERIFY(waitUntilActive(declaration));
    completePage(declaration);
    frmMail *sendPage = windows->frmMail.get();
    sendPage->Frame1->show();
    walk(sendPage);
    windows->Form1.get()->showOver(sendPage);
    walk(windows->Form1.get());
    windows->Form1.get()->SkinButton1_Click();
    windows->SmtpLoginDialog.get()->ask(sendPage, QStringLiteral("smtp.contoh.qv"),
                                        QStringLiteral("sari"));
    walk(windows->SmtpLoginDialog.get());

    QCOMPARE(walked.size(), 20);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void TestAccessibility::pageOneIsAFrameOfNamedControls() {
    // Enough lines for the description's scroll bar to show.
    page->Text3->setPlainText(QStringLiteral("satu\ndua\ntiga\nempat\nlima\nenam"));
    page->Combo1->setEditText(QStringLiteral(".usaha"));
    QTRY_VERIFY(page->Text3->verticalScrollBar()->isVisible());
    const QList<AccessibleNode> tree = accessibleTree(qApp);

    const AccessibleNode *window = findNode(tree, page);
    QVERIFY(window);
    QCOMPARE(window->role, QAccessible::Window);
    QCOMPARE(window->name, QStringLiteral("Velda"));
    QVERIFY(!window->state.modal);

    const QHash<QString, QString> expected{
        {"Option1", "BARU"},
        {"Option2", "UBAH"},
        {"Option3", "HAPUS"},
        {"Text1", "b. Nama Domain"},
        {"Combo1", "b. Nama Domain (zona)"},
        {"Text2", "c. Organisasi"},
        {"Text3", "d. Keterangan"},
        {"Text4", "e. Identitas"},
        {"Text5", "f.  Kontak Cepat"},
        {"SkinButton2", "Informasi"},
        {"SkinButton3", "Selanjutnya.."},
        {"SkinPanel1", "KAVRO"},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const AccessibleNode *node = findNode(tree, page->findChild<QWidget *>(it.key()));
        QVERIFY2(node, qPrintable(it.key()));
        QCOMPARE(node->name, it.value());
    }
    // The zone box says what it is; what it holds is its value, also in its edit line.
    const AccessibleNode *combo = findNode(tree, page->Combo1);
    QCOMPARE(combo->role, QAccessible::ComboBox);
    QCOMPARE(combo->value, QStringLiteral(".usaha"));
    const AccessibleNode *edit = findNode(tree, page->Combo1->lineEdit());
    QVERIFY(edit);
    QCOMPARE(edit->name, QStringLiteral("b. Nama Domain (zona)"));
    QCOMPARE(edit->value, QStringLiteral(".usaha"));

    for (SkinLabel *decoration : page->decorations) {
        QVERIFY(isDecorative(decoration));
        QVERIFY2(!findNode(tree, decoration), qPrintable(decoration->objectName()));
    }
    // The labels that do say something are still there.
    QVERIFY(findNode(tree, page->SkinLabel2));
    QVERIFY(findNode(tree, page->SkinLabel21));
}

void TestAccessibility::viewerLeavesOutItsEmptyCells() {
    page->SkinButton2->click();
    Form13 *viewer = windows->Form13.get();
    QVERIFY(waitUntilActive(viewer));
    const QList<AccessibleNode> tree = accessibleTree(qApp);
    const AccessibleNode *window = findNode(tree, viewer);
    QVERIFY(window);
    QCOMPARE(window->role, QAccessible::Window);
    QCOMPARE(window->name, QStringLiteral("Informasi Registrasi Domain"));
    for (int i = 0; i < 12; ++i)
        QCOMPARE(findNode(tree, viewer->SkinLabels[i]) != nullptr, i < 6);
}

void TestAccessibility::splashLeavesTheTreeWhenHidden() {
    SplashScreen splash(0);
    const auto splashNodes = [&splash] {
        const QList<AccessibleNode> tree = accessibleTree(qApp);
        return std::count_if(tree.begin(), tree.end(), [&splash](const AccessibleNode &node) {
            return node.object == &splash || node.name.contains(QStringLiteral("REGISTRASI"));
        });
    };
    qsizetype whileShown = -1;
    connect(&splash, &SplashScreen::splashShown, this, [&] { whileShown = splashNodes(); });
    splash.LoadSplash();
    splash.ShowSplash();
    QCOMPARE(whileShown, 1);
    QVERIFY(!splash.isVisible());
    QCOMPARE(splashNodes(), 0);
    // The main window's own splash has come and gone too.
    QVERIFY(!findNode(accessibleTree(qApp), page->Splash1));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
