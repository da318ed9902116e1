#include "declaration_message_box.h"

#include "ui/entrance_effects.h"
#include "ui/page_controls.h"
#include "ui/twips.h"

#include <QGuiApplication>

Form12::Form12()
    : IncompleteDataDialog(registrant),
      SkinLabel3(pageLabel(QStringLiteral("SkinLabel3"), QStringLiteral("You got it!! :-)"), this)),
      SkinButton2(pageButton(QStringLiteral("SkinButton2"),
                             QStringLiteral("Let me check your Password .."), this)) {
    // The two stand on a row of their own below "Baiklah..", which the dialog opens up
    // only while they are shown.
    const int row = SkinButton1->geometry().bottom() + 1 + twipsToPixels(165, this);
    SkinLabel3->setGeometry(twipsRect(240, 0, 1800, 405, this).translated(0, row));
    SkinButton2->setGeometry(twipsRect(2100, 0, 3180, 405, this).translated(0, row));
    compactHeight_ = height();
    revealedHeight_ = row + twipsToPixels(405 + 315, this);
    SkinLabel3->hide();
    SkinButton2->hide();
    connect(SkinButton2, &SkinButton::clicked, this, &Form12::SkinButton2_Click);
    for (QWidget *control : findChildren<QWidget *>())
        control->installEventFilter(this);
}

void Form12::SkinButton2_Click() {
    emit galleryRequested();
}

// Where keys come as xkb key codes (X11, Wayland), Shift+9 is reported as the key's
// shifted symbol, '(' on many layouts; the key itself is then known by its code, 18 for
// the main keyboard's 9. On Windows its virtual key is 0x39 whatever Shift does.
bool Form12::isGalleryChord(const QKeyEvent &event, const QString &platform) {
    const Qt::KeyboardModifiers held = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    if ((event.modifiers() & held) != held || event.modifiers().testFlag(Qt::KeypadModifier))
        return false;
    if (event.key() == Qt::Key_9)
        return true;
    constexpr quint32 xkbCodeOfNine = 18;
    constexpr quint32 windowsVirtualKeyOfNine = 0x39;
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")))
        return event.nativeScanCode() == xkbCodeOfNine;
    if (platform == QLatin1String("windows"))
        return event.nativeVirtualKey() == windowsVirtualKeyOfNine;
    return false;
}

bool Form12::revealOnChord(const QKeyEvent &event) {
    if (!isGalleryChord(event, QGuiApplication::platformName()))
        return false;
    setFixedHeight(revealedHeight_);
    SkinLabel3->show();
    SkinButton2->show();
    return true;
}

bool Form12::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress && revealOnChord(*static_cast<QKeyEvent *>(event)))
        return true;
    return IncompleteDataDialog::eventFilter(watched, event);
}

void Form12::keyPressEvent(QKeyEvent *event) {
    if (!revealOnChord(*event))
        IncompleteDataDialog::keyPressEvent(event);
}

std::vector<Skinnable *> Form12::skinnedControls() {
    return {SkinButton1, SkinButton2, SkinLabel1, SkinLabel2, SkinLabel3};
}

void Form12::afterSkinning() {
    SkinLabel3->hide();
    SkinButton2->hide();
    setFixedHeight(compactHeight_);
}
