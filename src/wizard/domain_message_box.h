// Dialog of page I: the domain data is incomplete.
#pragma once

#include "ui/message_dialog.h"

class WindowSet;

class FormMessageBox : public MessageDialog {
    Q_OBJECT
public:
    explicit FormMessageBox(WindowSet &windows);

    void SkinButton1_Click() override;

protected:
    void runEntrance() override;

private:
    WindowSet &windows_;
};
