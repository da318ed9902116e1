#include "name_server_message_box.h"

#include "ui/entrance_effects.h"

Form10::Form10()
    : MessageDialog(QStringLiteral("Aplikasi Terhenti..."),
                    QStringLiteral("Maaf..  data NS Record belum lengkap."),
                    QStringLiteral("       Sangat dianjurkan, minimal tercantum data    Primary "
                                   "dan Secondary NS Record yang telah aktif."),
                    Beep::BeforeSkin) {
    setObjectName(QStringLiteral("Form10"));
}

void Form10::runEntrance() {
    slideIn(SkinButton1, 130);
}
