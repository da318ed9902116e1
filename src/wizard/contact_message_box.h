// Dialog of page II: the contact data is incomplete.
#pragma once

#include "ui/message_dialog.h"

class WindowSet;

class Form3 : public MessageDialog {
    Q_OBJECT
public:
    explicit Form3(WindowSet &windows);

    void SkinButton1_Click() override;

protected:
    // The dialog takes the main window's skin, not one handed over by its page.
    void takeSkin() override;
    void runEntrance() override;

private:
    WindowSet &windows_;
};
