#include "name_server_message_box.h"

#include "name_server_page.h"
#include "ui/entrance_effects.h"
#include "window_set.h"

Form10::Form10(WindowSet &windows)
    : MessageDialog(QStringLiteral("Aplikasi Terhenti..."),
                    QStringLiteral("Maaf..  data NS Record belum lengkap."),
                    QStringLiteral("       Sangat dianjurkan, minimal tercantum data    Primary "
                                   "dan Secondary NS Record yang telah aktif."),
                    Beep::BeforeSkin),
      windows_(windows) {
    setObjectName(QStringLiteral("Form10"));
}

void Form10::SkinButton1_Click() {
    windows_.Form5.get()->returnFrom(this);
    windows_.Form10.unload();
}

void Form10::runEntrance() {
    slideIn(SkinButton1, 130);
}
