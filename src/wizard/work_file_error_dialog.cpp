#include "work_file_error_dialog.h"

#include "ui/entrance_effects.h"

WorkFileErrorDialog::WorkFileErrorDialog()
    : MessageDialog(QStringLiteral("Kesalahan Berkas Kerja"),
                    QStringLiteral("Data belum dapat disimpan."), QStringLiteral(""),
                    Beep::BeforeSkin) {
    setObjectName(QStringLiteral("WorkFileErrorDialog"));
}

void WorkFileErrorDialog::showFor(SkinWindow *page, const QString &message) {
    page_ = page;
    SkinLabel2->setText(message);
    SkinLabel2->setAccessibleName(message);
    if (page)
        SkinForm1->setCurrentSkin(page->SkinForm1->CurrentSkin());
    showOver(page);
}

void WorkFileErrorDialog::SkinButton1_Click() {
    hide();
    if (page_)
        page_->Show();
}

void WorkFileErrorDialog::runEntrance() {
    slideIn(SkinButton1, -230);
}
