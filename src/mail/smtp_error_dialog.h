// Dialog of the send page: the SMTP dialogue failed.
#pragma once

#include "ui/message_dialog.h"

class WindowSet;

class Form1 : public MessageDialog {
    Q_OBJECT
public:
    explicit Form1(WindowSet &windows);

    void SkinButton1_Click() override;

protected:
    void runEntrance() override;

private:
    WindowSet &windows_;
};
