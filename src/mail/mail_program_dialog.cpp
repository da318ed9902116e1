#include "mail_program_dialog.h"

#include "ui/entrance_effects.h"

MailProgramDialog::MailProgramDialog()
    : MessageDialog(QStringLiteral(" PROGRAM E-MAIL"),
                    QStringLiteral("Tidak ada program e-mail yang dapat membuka formulir ini."),
                    QStringLiteral("Isilah SMTP Server dari ISP/PJI anda, lalu kirimlah "
                                   "formulir dengan \"Kirimkan\".."),
                    Beep::Never) {
    setObjectName(QStringLiteral("MailProgramDialog"));
}

void MailProgramDialog::runEntrance() {
    slideIn(SkinButton1, 830);
}
