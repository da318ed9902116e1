// Dialog of the name-server page: the name-server data is incomplete.
#pragma once

#include "ui/message_dialog.h"

class Form10 : public MessageDialog {
    Q_OBJECT
public:
    Form10();

protected:
    void runEntrance() override;
};
