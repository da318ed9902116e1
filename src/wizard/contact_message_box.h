// Dialog of page II: the contact data is incomplete.
#pragma once

#include "ui/message_dialog.h"

class Form3 : public MessageDialog {
    Q_OBJECT
public:
    // Wears the skin of `mainWindow`, not one handed over by its page.
    explicit Form3(SkinSource mainWindow);

protected:
    // The dialog takes the main window's skin, not one handed over by its page.
    void takeSkin() override;
    void runEntrance() override;

private:
    SkinSource mainWindow_;
};
