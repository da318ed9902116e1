#include "wizard_page.h"

#include "ui/page_controls.h"
#include "work_file_error_dialog.h"

WizardPage::WizardPage() : SkinWindow(QStringLiteral("Velda")) {}

void WizardPage::closeRequested() {
    emit endRequested();
}

void WizardPage::returnFrom(const SkinWindow *leaving) {
    handSkinOver(leaving, this);
    Show();
}

bool WizardPage::writeOrReport(const std::function<void()> &write) {
    if (const std::optional<QString> failure = workFileFailure(write)) {
        emit workFileFailed(*failure);
        return false;
    }
    return true;
}
