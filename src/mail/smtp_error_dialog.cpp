#include "smtp_error_dialog.h"

#include "send_page.h"
#include "ui/entrance_effects.h"
#include "wizard/window_set.h"

Form1::Form1(WindowSet &windows)
    : MessageDialog(QStringLiteral(" VALIDITAS SMTP"),
                    QStringLiteral("         Ada kesalahan SMTP.           Periksalah validitas "
                                   "data SMTP     yang anda masukkan tersebut."),
                    QString(), Beep::Never),
      windows_(windows) {
    setObjectName(QStringLiteral("Form1"));
}

void Form1::SkinButton1_Click() {
    ::frmMail *page = windows_.frmMail.get();
    page->SkinForm1->setCurrentSkin(SkinForm1->CurrentSkin());
    page->Show();
    windows_.Form1.unload();
}

void Form1::runEntrance() {
    slideIn(SkinButton1, 830);
}
