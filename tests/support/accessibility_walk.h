// Walks the accessibility tree through QAccessible, the interfaces the Linux bridge
// publishes, and finds what a screen reader user would miss.
#pragma once

#include <QAccessible>
#include <QList>
#include <QString>

struct AccessibleNode {
    QObject *object = nullptr; // none for items such as list entries and menu actions
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QString value;
    QAccessible::State state;
    bool shown = true; // neither the node nor any node above it is invisible
    QString path;      // names and roles from the root down, for messages
};

// The root and everything under it, depth first. With the application as root, every
// top-level window the bridge would publish.
QList<AccessibleNode> accessibleTree(QObject *root);

// The node of the object in the tree, or none.
const AccessibleNode *findNode(const QList<AccessibleNode> &tree, const QObject *object);

// One line for each shown control a user operates that has no name, or whose name is only
// its value (a screen reader would announce a value without saying what it is).
QStringList namingProblems(const QList<AccessibleNode> &tree);

// What keeps the window from being heard as a modal dialog named `name`: no node, another
// role, name or state, and every naming problem of the tree. Empty when there is none.
QStringList modalDialogProblems(const QList<AccessibleNode> &tree, const QObject *window,
                                const QString &name);
