// Dialog of the declaration page: the registrant's name or e-mail address is missing.
// It also holds two controls that stay hidden until the hidden gallery's key chord.
#pragma once

#include "incomplete_data_dialog.h"

#include <QKeyEvent>

class Form12 : public IncompleteDataDialog {
    Q_OBJECT
public:
    Form12();

    void SkinButton2_Click(); // "Let me check your Password .."

    // Shift+Ctrl+Alt with the digit key 9 of the main keyboard, as the platform named
    // reports it (see the definition for X11 and Wayland).
    static bool isGalleryChord(const QKeyEvent &event, const QString &platform);

    SkinLabel *const SkinLabel3;   // "You got it!! :-)"
    SkinButton *const SkinButton2; // "Let me check your Password .."

signals:
    void galleryRequested(); // the revealed button: on to the gallery's lock

protected:
    std::vector<Skinnable *> skinnedControls() override;
    // Hides the two gallery controls again on every activation.
    void afterSkinning() override;

    // The chord is caught before any control of the dialog sees the key, whichever of
    // them has the focus.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Shows the two hidden controls for the chord; any other key does nothing here.
    bool revealOnChord(const QKeyEvent &event);

    int compactHeight_ = 0;
    int revealedHeight_ = 0;
};
