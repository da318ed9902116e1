// Dialog of the name-server page: the name-server data is incomplete.
#pragma once

#include "ui/message_dialog.h"

class WindowSet;

class Form10 : public MessageDialog {
    Q_OBJECT
public:
    explicit Form10(WindowSet &windows);

    void SkinButton1_Click() override;

protected:
    void runEntrance() override;

private:
    WindowSet &windows_;
};
