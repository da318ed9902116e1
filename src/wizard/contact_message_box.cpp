#include "contact_message_box.h"

#include "contact_page.h"
#include "main_window.h"
#include "ui/page_controls.h"
#include "ui/entrance_effects.h"
#include "window_set.h"

Form3::Form3(WindowSet &windows)
    : MessageDialog(QStringLiteral("Aplikasi Terhenti..."),
                    QStringLiteral("Maaf.. data kontak tidak lengkap."),
                    QStringLiteral("Untuk melanjutkan, lengkapilah data yang belum terisi."),
                    Beep::BeforeSkin),
      windows_(windows) {
    setObjectName(QStringLiteral("Form3"));
}

void Form3::SkinButton1_Click() {
    hide();
    windows_.Form2.get()->Show();
}

void Form3::takeSkin() {
    if (windows_.frmMain.loaded())
        handSkinOver(windows_.frmMain.get(), this);
}

void Form3::runEntrance() {
    slideIn(SkinButton1, -230);
}
