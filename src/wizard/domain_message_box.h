// Dialog of page I: the domain data is incomplete.
#pragma once

#include "ui/message_dialog.h"

class FormMessageBox : public MessageDialog {
    Q_OBJECT
public:
    FormMessageBox();

protected:
    void runEntrance() override;
};
