#include "wizard_page.h"

#include "information_viewer.h"
#include "ui/page_controls.h"
#include "window_set.h"

WizardPage::WizardPage(WindowSet &windows)
    : SkinWindow(QStringLiteral("Velda")), windows_(windows) {}

void WizardPage::closeRequested() {
    windows_.End();
}

void WizardPage::returnFrom(const SkinWindow *leaving) {
    handSkinOver(leaving, this);
    Show();
}

void WizardPage::showInSkin(SkinWindow *window) {
    handSkinOver(this, window);
    window->Show();
}

void WizardPage::showInformation() {
    showInSkin(windows_.Form13.get());
}
