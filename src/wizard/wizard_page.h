// A page of the wizard after page I: a window of the window set, captioned "Velda",
// whose close control ends the run (the pages before it are hidden, so the run must not
// go on without a visible window).
#pragma once

#include "ui/skin_window.h"

class WindowSet;

class WizardPage : public SkinWindow {
    Q_OBJECT
public:
    // Comes back to the front, with what was typed, from a window that led away from it
    // (its dialog, the gallery), in that window's skin.
    void returnFrom(const SkinWindow *leaving);

protected:
    explicit WizardPage(WindowSet &windows);

    void closeRequested() override;

    // Hands this page's skin to the window, then shows it.
    void showInSkin(SkinWindow *window);
    // "Informasi": the information viewer beside the page, in the page's skin.
    void showInformation();

    WindowSet &windows_;
};
