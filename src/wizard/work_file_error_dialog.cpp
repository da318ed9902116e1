#include "work_file_error_dialog.h"

#include "document/work_file_error.h"
#include "ui/entrance_effects.h"
#include "ui/page_controls.h"

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
        handSkinOver(page, this);
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

std::optional<QString> workFileFailure(const std::function<void()> &write) {
    try {
        write();
        return std::nullopt;
    } catch (const WorkFileError &error) {
        return error.message();
    }
}
