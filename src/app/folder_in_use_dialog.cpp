#include "folder_in_use_dialog.h"

#include "ui/entrance_effects.h"
#include "ui/skin_storage.h"

FolderInUseDialog::FolderInUseDialog()
    : MessageDialog(QStringLiteral("VELD Sudah Berjalan"),
                    QStringLiteral("VELD sudah berjalan di folder ini."),
                    QStringLiteral("Lanjutkan di jendela VELD yang sudah terbuka, atau jalankan "
                                   "VELD dari folder lain."),
                    Beep::BeforeSkin) {
    setObjectName(QStringLiteral("FolderInUseDialog"));
    SkinForm1->setCurrentSkin(SkinStorage(QLatin1String(builtinSkins[0].resource)).StoredSkin());
}

void FolderInUseDialog::SkinButton1_Click() {
    hide();
    MessageDialog::SkinButton1_Click();
}

void FolderInUseDialog::runEntrance() {
    slideIn(SkinButton1, -230);
}
