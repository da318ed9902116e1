#include "accessibility.h"

#include "skin_window.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

namespace {

constexpr char decorativeProperty[] = "veldDecorative";

// A widget whose decorative children are left out. The rest of the children come from
// Qt's own list, in its order.
class ContainerAccessible : public QAccessibleWidget {
public:
    explicit ContainerAccessible(QWidget *widget, QAccessible::Role role = QAccessible::Client)
        : QAccessibleWidget(widget, role) {}

    int childCount() const override { return int(shownChildren().size()); }
    QAccessibleInterface *child(int index) const override {
        return shownChildren().value(index, nullptr);
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return int(shownChildren().indexOf(child));
    }

private:
    QList<QAccessibleInterface *> shownChildren() const {
        QList<QAccessibleInterface *> children;
        for (int i = 0, count = QAccessibleWidget::childCount(); i < count; ++i) {
            QAccessibleInterface *child = QAccessibleWidget::child(i);
            if (child && !isDecorative(child->object()))
                children.append(child);
        }
        return children;
    }
};

// A top-level window of the program: a frame, or a dialog that is modal while it is open
// and modal to its page. Its name is its caption.
class WindowAccessible : public ContainerAccessible {
public:
    explicit WindowAccessible(SkinWindow *window) : ContainerAccessible(window) {}

    QAccessible::Role role() const override {
        return skinWindow()->isDialog() ? QAccessible::Dialog : QAccessible::Window;
    }
    QAccessible::State state() const override {
        QAccessible::State state = ContainerAccessible::state();
        state.modal = skinWindow()->isVisible() && skinWindow()->isModal();
        return state;
    }

private:
    SkinWindow *skinWindow() const { return static_cast<SkinWindow *>(object()); }
};

// A combo box as Qt presents it on other systems: named by its accessible name or its
// label, its current text as the value; the list and the edit line as its children.
class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    int childCount() const override { return box()->lineEdit() ? 2 : 1; }
    QAccessibleInterface *child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->lineEdit())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        if (!child)
            return -1;
        if (child->object() == box()->view())
            return 0;
        if (box()->lineEdit() && child->object() == box()->lineEdit())
            return 1;
        return -1;
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? box()->currentText() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        state.editable = box()->isEditable();
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(object()); }
};

// Asked for each class of an object from the most derived one up, before Qt's own
// factory, so a SkinWindow is caught under its own class name.
QAccessibleInterface *interfaceFor(const QString &className, QObject *object) {
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (auto *window = qobject_cast<SkinWindow *>(widget))
        return new WindowAccessible(window);
    if (className == QLatin1String("QComboBox"))
        return new ComboBoxAccessible(static_cast<QComboBox *>(widget));
    // Plain containers, such as the area of a page under its menu bar.
    if (className == QLatin1String("QWidget"))
        return new ContainerAccessible(widget);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    (void)installed;
}

void markDecorative(QWidget *widget) {
    widget->setProperty(decorativeProperty, true);
    widget->setAccessibleName(QString());
}

bool isDecorative(const QObject *object) {
    return object && object->property(decorativeProperty).toBool();
}

void nameScrollBars(QWidget *window) {
    for (QScrollBar *bar : window->findChildren<QScrollBar *>()) {
        if (bar->accessibleName().isEmpty())
            bar->setAccessibleName(bar->orientation() == Qt::Vertical
                                       ? QStringLiteral("Bilah gulir vertikal")
                                       : QStringLiteral("Bilah gulir horizontal"));
    }
}
