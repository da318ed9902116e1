#include "accessibility_walk.h"

#include <QSet>

namespace {

// Deeper than any window of ours; a cycle in the tree would otherwise never end.
constexpr int maximumDepth = 64;

QString describe(const AccessibleNode &node) {
    return QStringLiteral("%1[%2]").arg(node.name).arg(int(node.role));
}

void walk(QAccessibleInterface *interface, const AccessibleNode &parent, int depth,
          QSet<QAccessibleInterface *> &seen, QList<AccessibleNode> &tree) {
    if (!interface || !interface->isValid() || depth > maximumDepth || seen.contains(interface))
        return;
    seen.insert(interface);
    AccessibleNode node;
    node.object = interface->object();
    node.role = interface->role();
    node.name = interface->text(QAccessible::Name);
    node.value = interface->text(QAccessible::Value);
    node.state = interface->state();
    node.shown = parent.shown && !node.state.invisible;
    node.path = parent.path.isEmpty() ? describe(node) : parent.path + u'/' + describe(node);
    tree.append(node);
    for (int i = 0, count = interface->childCount(); i < count; ++i)
        walk(interface->child(i), node, depth + 1, seen, tree);
}

// The roles of the controls a user operates.
bool isOperated(QAccessible::Role role) {
    static const QSet<QAccessible::Role> operated{
        QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::SpinBox,
        QAccessible::Slider,     QAccessible::ScrollBar,    QAccessible::MenuItem,
        QAccessible::PageTab,    QAccessible::Link};
    return operated.contains(role);
}

} // namespace

QList<AccessibleNode> accessibleTree(QObject *root) {
    QList<AccessibleNode> tree;
    QSet<QAccessibleInterface *> seen;
    walk(QAccessible::queryAccessibleInterface(root), AccessibleNode{}, 0, seen, tree);
    return tree;
}

const AccessibleNode *findNode(const QList<AccessibleNode> &tree, const QObject *object) {
    for (const AccessibleNode &node : tree) {
        if (node.object == object)
            return &node;
    }
    return nullptr;
}

QStringList namingProblems(const QList<AccessibleNode> &tree) {
    QStringList problems;
    for (const AccessibleNode &node : tree) {
        if (!node.shown || !isOperated(node.role))
            continue;
        if (node.name.trimmed().isEmpty())
            problems << node.path + QStringLiteral(": no name");
        else if (node.name == node.value)
            problems << node.path + QStringLiteral(": named by its value");
    }
    return problems;
}

QStringList modalDialogProblems(const QList<AccessibleNode> &tree, const QObject *window,
                                const QString &name) {
    const AccessibleNode *node = findNode(tree, window);
    if (!node)
        return {QStringLiteral("the window is not in the tree")};
    QStringList problems = namingProblems(tree);
    if (node->role != QAccessible::Dialog)
        problems << node->path + QStringLiteral(": not a dialog");
    if (node->name != name)
        problems << node->path + QStringLiteral(": not named ") + name;
    if (!node->state.modal)
        problems << node->path + QStringLiteral(": not modal");
    return problems;
}
