#include "incomplete_data_dialog.h"

#include "ui/entrance_effects.h"
#include "ui/page_controls.h"

const IncompleteDataDesign IncompleteDataDialog::domain{
    "FormMessageBox",
    "Aplikasi Terhenti ...",
    "Data domain tidak lengkap.",
    "Lengkapi data domain untuk melanjutkan program ini.",
    Beep::AfterSkin,
    -230};

const IncompleteDataDesign IncompleteDataDialog::contacts{
    "Form3",
    "Aplikasi Terhenti...",
    "Maaf.. data kontak tidak lengkap.",
    "Untuk melanjutkan, lengkapilah data yang belum terisi.",
    Beep::BeforeSkin,
    -230};

const IncompleteDataDesign IncompleteDataDialog::nameServers{
    "Form10",
    "Aplikasi Terhenti...",
    "Maaf..  data NS Record belum lengkap.",
    "       Sangat dianjurkan, minimal tercantum data    Primary dan Secondary NS Record yang "
    "telah aktif.",
    Beep::BeforeSkin,
    130};

const IncompleteDataDesign IncompleteDataDialog::mailExchangers{
    "Form11",
    "Aplikasi Terhenti...",
    "Maaf.. data MX Record belum lengkap.",
    "           Sangat diajurkan, minimal tercantum    Primary dan Secondary MX Record yang "
    "telah aktif.",
    Beep::BeforeSkin,
    130};

const IncompleteDataDesign IncompleteDataDialog::registrant{
    "Form12",
    "Aplikasi Terhenti...",
    "Maaf.. data Nama dan/atau E-mail Pendaftar belum lengkap.",
    " Mohon cantumkan nama anda     serta alamat e-mail yang valid.",
    Beep::BeforeSkin,
    130};

IncompleteDataDialog::IncompleteDataDialog(const IncompleteDataDesign &design,
                                           SkinSource mainWindow)
    : MessageDialog(QLatin1String(design.caption), QLatin1String(design.firstLine),
                    QLatin1String(design.secondLine), design.beep),
      entranceOffset_(design.entranceOffset), mainWindow_(std::move(mainWindow)) {
    setObjectName(QLatin1String(design.objectName));
}

void IncompleteDataDialog::takeSkin() {
    if (!mainWindow_) {
        MessageDialog::takeSkin();
        return;
    }
    if (const SkinWindow *main = mainWindow_())
        handSkinOver(main, this);
}

void IncompleteDataDialog::runEntrance() {
    slideIn(SkinButton1, entranceOffset_);
}
