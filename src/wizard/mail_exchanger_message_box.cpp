#include "mail_exchanger_message_box.h"

#include "ui/entrance_effects.h"

Form11::Form11()
    : MessageDialog(QStringLiteral("Aplikasi Terhenti..."),
                    QStringLiteral("Maaf.. data MX Record belum lengkap."),
                    QStringLiteral("           Sangat diajurkan, minimal tercantum    Primary dan "
                                   "Secondary MX Record yang telah aktif."),
                    Beep::BeforeSkin) {
    setObjectName(QStringLiteral("Form11"));
}

void Form11::runEntrance() {
    slideIn(SkinButton1, 130);
}
