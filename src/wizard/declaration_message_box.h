// Dialog of the declaration page: the registrant's name or e-mail address is missing.
// It also holds two controls that stay hidden until the hidden gallery's key chord.
#pragma once

#include "ui/message_dialog.h"

class WindowSet;

class Form12 : public MessageDialog {
    Q_OBJECT
public:
    explicit Form12(WindowSet &windows);

    void SkinButton1_Click() override;

    SkinLabel *const SkinLabel3;   // "You got it!! :-)"
    SkinButton *const SkinButton2; // "Let me check your Password .."

protected:
    std::vector<Skinnable *> skinnedControls() override;
    // Hides the two gallery controls again on every activation.
    void afterSkinning() override;
    void runEntrance() override;

private:
    WindowSet &windows_;
};
