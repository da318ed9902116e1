#include "declaration_message_box.h"

#include "declaration_page.h"
#include "page_controls.h"
#include "ui/entrance_effects.h"
#include "ui/twips.h"
#include "window_set.h"

Form12::Form12(WindowSet &windows)
    : MessageDialog(
          QStringLiteral("Aplikasi Terhenti..."),
          QStringLiteral("Maaf.. data Nama dan/atau E-mail Pendaftar belum lengkap."),
          QStringLiteral(" Mohon cantumkan nama anda     serta alamat e-mail yang valid."),
          Beep::BeforeSkin),
      SkinLabel3(pageLabel(QStringLiteral("SkinLabel3"), QStringLiteral("You got it!! :-)"), this)),
      SkinButton2(pageButton(QStringLiteral("SkinButton2"),
                             QStringLiteral("Let me check your Password .."), this)),
      windows_(windows) {
    setObjectName(QStringLiteral("Form12"));
    // Left and right of "Baiklah..", on its row, when the gallery shows them.
    const int row = SkinButton1->y();
    SkinLabel3->setGeometry(twipsRect(120, 0, 1920, 405, this).translated(0, row));
    SkinButton2->setGeometry(twipsRect(3720, 0, 1680, 405, this).translated(0, row));
    SkinLabel3->hide();
    SkinButton2->hide();
}

void Form12::SkinButton1_Click() {
    ::Form7 *page = windows_.Form7.get();
    handSkinOver(this, page);
    windows_.Form12.unload();
    page->Show();
}

std::vector<Skinnable *> Form12::skinnedControls() {
    return {SkinButton1, SkinButton2, SkinLabel1, SkinLabel2, SkinLabel3};
}

void Form12::afterSkinning() {
    SkinLabel3->hide();
    SkinButton2->hide();
}

void Form12::runEntrance() {
    slideIn(SkinButton1, 130);
}
