#include "domain_message_box.h"

#include "main_window.h"
#include "ui/entrance_effects.h"
#include "window_set.h"

FormMessageBox::FormMessageBox(WindowSet &windows)
    : MessageDialog(
          QStringLiteral("Aplikasi Terhenti ..."), QStringLiteral("Data domain tidak lengkap."),
          QStringLiteral("Lengkapi data domain untuk melanjutkan program ini."), Beep::AfterSkin),
      windows_(windows) {
    setObjectName(QStringLiteral("FormMessageBox"));
}

void FormMessageBox::SkinButton1_Click() {
    windows_.frmMain.get()->Show();
    hide();
}

void FormMessageBox::runEntrance() {
    slideIn(SkinButton1, -230);
}
