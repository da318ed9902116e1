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

    // Hides the dialog, then says it is dismissed.
    void SkinButton1_Click() override;

protected:
    void runEntrance() override;
};
