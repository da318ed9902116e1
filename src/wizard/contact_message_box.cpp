#include "contact_message_box.h"

#include "ui/entrance_effects.h"
#include "ui/page_controls.h"

Form3::Form3(SkinSource mainWindow)
    : MessageDialog(QStringLiteral("Aplikasi Terhenti..."),
                    QStringLiteral("Maaf.. data kontak tidak lengkap."),
                    QStringLiteral("Untuk melanjutkan, lengkapilah data yang belum terisi."),
                    Beep::BeforeSkin),
      mainWindow_(std::move(mainWindow)) {
    setObjectName(QStringLiteral("Form3"));
}

void Form3::takeSkin() {
    if (const SkinWindow *main = mainWindow_())
        handSkinOver(main, this);
}

void Form3::runEntrance() {
    slideIn(SkinButton1, -230);
}
