// Dialog of a program started in a folder where another VELD already runs: it says so,
// and its button ends this program, which has touched nothing in the folder.
#pragma once

#include "ui/message_dialog.h"

class FolderInUseDialog : public MessageDialog {
    Q_OBJECT
public:
    // Drawn in the first built-in skin, as the main window starts: no page exists yet to
    // hand a skin over.
    FolderInUseDialog();

    void SkinButton1_Click() override;

signals:
    void dismissed();

protected:
    void runEntrance() override;
};
