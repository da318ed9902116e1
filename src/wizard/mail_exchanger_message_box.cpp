#include "mail_exchanger_message_box.h"

#include "mail_exchanger_page.h"
#include "ui/entrance_effects.h"
#include "window_set.h"

Form11::Form11(WindowSet &windows)
    : MessageDialog(QStringLiteral("Aplikasi Terhenti..."),
                    QStringLiteral("Maaf.. data MX Record belum lengkap."),
                    QStringLiteral("           Sangat diajurkan, minimal tercantum    Primary dan "
                                   "Secondary MX Record yang telah aktif."),
                    Beep::BeforeSkin),
      windows_(windows) {
    setObjectName(QStringLiteral("Form11"));
}

void Form11::SkinButton1_Click() {
    windows_.Form6.get()->returnFrom(this);
    windows_.Form11.unload();
}

void Form11::runEntrance() {
    slideIn(SkinButton1, 130);
}
