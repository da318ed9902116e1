// Dialog of the mail-exchanger page: the mail-exchanger data is incomplete.
#pragma once

#include "ui/message_dialog.h"

class WindowSet;

class Form11 : public MessageDialog {
    Q_OBJECT
public:
    explicit Form11(WindowSet &windows);

    void SkinButton1_Click() override;

protected:
    void runEntrance() override;

private:
    WindowSet &windows_;
};
