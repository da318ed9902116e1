#include "work_file_error_dialog.h"

#include "document/work_file_error.h"
#include "ui/page_controls.h"
#include "ui/entrance_effects.h"
#include "window_set.h"

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

bool writeWorkFilesOrReport(WindowSet &windows, SkinWindow *page,
                            const std::function<void()> &write) {
    try {
        write();
        return true;
    } catch (const WorkFileError &error) {
        windows.WorkFileErrorDialog.get()->showFor(page, error.message());
        return false;
    }
}
