// Dialog of the mail-exchanger page: the mail-exchanger data is incomplete.
#pragma once

#include "ui/message_dialog.h"

class Form11 : public MessageDialog {
    Q_OBJECT
public:
    Form11();

protected:
    void runEntrance() override;
};
