#include "domain_message_box.h"

#include "ui/entrance_effects.h"

FormMessageBox::FormMessageBox()
    : MessageDialog(
          QStringLiteral("Aplikasi Terhenti ..."), QStringLiteral("Data domain tidak lengkap."),
          QStringLiteral("Lengkapi data domain untuk melanjutkan program ini."), Beep::AfterSkin) {
    setObjectName(QStringLiteral("FormMessageBox"));
}

void FormMessageBox::runEntrance() {
    slideIn(SkinButton1, -230);
}
