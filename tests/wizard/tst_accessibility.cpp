// What a screen reader finds in the wizard's windows, walked through QAccessible as the
// Linux bridge publishes them: names, roles, the modal state of dialogs, and nothing
// decorative or hidden on the way.
#include "quick_start.h"
#include "support/accessibility_walk.h"
#include "support/windows.h"
#include "support/work_dir.h"
#include "ui/accessibility.h"
#include "wizard/domain_message_box.h"
#include "wizard/information_viewer.h"
#include "wizard/main_window.h"
#include "wizard/window_set.h"

#include <QScrollBar>
#include <QtTest>

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pageOneIsAFrameOfNamedControls();
    void incompleteDataDialogIsModalWhileOpen();
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

    const QStringList problems = namingProblems(tree);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));

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

void TestAccessibility::incompleteDataDialogIsModalWhileOpen() {
    page->SkinButton3->click();
    FormMessageBox *dialog = windows->FormMessageBox.get();
    QVERIFY(waitUntilActive(dialog));

    QList<AccessibleNode> tree = accessibleTree(qApp);
    const AccessibleNode *node = findNode(tree, dialog);
    QVERIFY(node);
    QCOMPARE(node->role, QAccessible::Dialog);
    QCOMPARE(node->name, QStringLiteral("Aplikasi Terhenti ..."));
    QVERIFY(node->state.modal);
    QVERIFY(findNode(tree, dialog->SkinLabel1));
    const QStringList problems = namingProblems(tree);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));

    dialog->SkinButton1->click();
    tree = accessibleTree(qApp);
    node = findNode(tree, dialog);
    QVERIFY(node);
    QVERIFY(!node->shown);
    QVERIFY(!node->state.modal);
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
    const QStringList problems = namingProblems(tree);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
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
