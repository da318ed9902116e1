// Dialog of the send page: the desktop has no mail program for the form, or refused it.
// It points the applicant back to "Kirimkan" with the provider's SMTP server.
#pragma once

#include "ui/message_dialog.h"

class MailProgramDialog : public MessageDialog {
    Q_OBJECT
public:
    MailProgramDialog();

protected:
    void runEntrance() override;
};
