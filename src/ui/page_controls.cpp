#include "page_controls.h"

#include "twips.h"

void placeAt(QWidget *control, int left, int top, int width, int height) {
    control->setGeometry(twipsRect(left, top, width, height, control));
}

SkinLabel *pageLabel(const QString &name, const QString &caption, QWidget *parent) {
    auto *label = new SkinLabel(caption, parent);
    label->setObjectName(name);
    if (!caption.trimmed().isEmpty())
        label->setAccessibleName(caption);
    return label;
}

SkinLabel *pageTitle(const QString &name, const QString &caption, QWidget *parent) {
    SkinLabel *title = pageLabel(name, caption, parent);
    title->setFontScale(1.5);
    return title;
}

SkinButton *pageButton(const QString &name, const QString &caption, QWidget *parent) {
    auto *button = new SkinButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QLineEdit *pageField(const QString &name, const QString &accessibleName, QWidget *parent) {
    return pageControl(new QLineEdit(parent), name, accessibleName);
}

void handSkinOver(const SkinWindow *from, SkinWindow *to) {
    to->SkinForm1->setCurrentSkin(from->SkinForm1->CurrentSkin());
}

void applySkinToOwnControls(SkinWindow *window) {
    for (QObject *child : window->children())
        if (auto *control = dynamic_cast<Skinnable *>(child))
            control->ApplySkin(window->SkinForm1);
}

bool requiredValuesFilled(const QStringList &values, const std::function<void()> &raiseDialog) {
    bool filled = true;
    for (const QString &value : values) {
        if (value.isEmpty()) {
            raiseDialog();
            filled = false;
        }
    }
    return filled;
}

bool requiredFieldsFilled(const std::vector<QLineEdit *> &fields,
                          const std::function<void()> &raiseDialog) {
    QStringList texts;
    for (const QLineEdit *field : fields)
        texts << field->text();
    return requiredValuesFilled(texts, raiseDialog);
}
