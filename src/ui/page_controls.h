// Making the controls of a wizard page the same way on every page: object names as in
// the window design, accessible names from the visible labels, places in twips.
#pragma once

#include "skin_button.h"
#include "skin_label.h"
#include "skin_window.h"

#include <QLineEdit>
#include <functional>
#include <vector>

// Puts the control at a rectangle of its parent given in twips.
void placeAt(QWidget *control, int left, int top, int width, int height);

// A skinned label; its caption is also what a screen reader says.
SkinLabel *pageLabel(const QString &name, const QString &caption, QWidget *parent);
// The page's title: a label drawn larger and bold.
SkinLabel *pageTitle(const QString &name, const QString &caption, QWidget *parent);
SkinButton *pageButton(const QString &name, const QString &caption, QWidget *parent);
// A single-line field; `accessibleName` is the label (or labels) it stands under or beside.
QLineEdit *pageField(const QString &name, const QString &accessibleName, QWidget *parent);
// Any other entry control, named the same way.
template <class Control>
Control *pageControl(Control *control, const QString &name, const QString &accessibleName) {
    control->setObjectName(name);
    control->setAccessibleName(accessibleName);
    return control;
}

// Skin hand-over: the target window takes the current skin of the source window.
void handSkinOver(const SkinWindow *from, SkinWindow *to);

// ApplySkin with the window's skin form on every skinned control that belongs to the
// window itself, in the order they were made (a dialog parented to the window keeps its own).
void applySkinToOwnControls(SkinWindow *window);

// The checks of a page's Next, in order and each one always: every value that is exactly
// empty raises the page's dialog (blanks count as content). True when none was empty.
bool requiredValuesFilled(const QStringList &values, const std::function<void()> &raiseDialog);
// The same for the texts of these fields.
bool requiredFieldsFilled(const std::vector<QLineEdit *> &fields,
                          const std::function<void()> &raiseDialog);
