// A page of the wizard after page I: a window of the window set, captioned "Velda",
// whose close control ends the run (the pages before it are hidden, so the run must not
// go on without a visible window).
#pragma once

#include "ui/skin_window.h"

#include <functional>

class WizardPage : public SkinWindow {
    Q_OBJECT
public:
    // Comes back to the front, with what was typed, from a window that led away from it
    // (its dialog, the gallery), in that window's skin.
    void returnFrom(const SkinWindow *leaving);

signals:
    // Next found every required field filled and wrote the page's sections: on to the next
    // window.
    void completed();
    // Next found one required field empty: the page's dialog is to come up (once for every
    // empty field, the same dialog each time).
    void incomplete();
    // A work file could not be written or read: the message is to be shown over the page.
    void workFileFailed(const QString &message);
    // "Informasi": the information viewer beside the page.
    void informationRequested();
    // The page's close control: the run ends.
    void endRequested();

protected:
    WizardPage();

    void closeRequested() override;

    // Runs the writes of Next: reports a work file that fails and returns false, or returns
    // true when everything was written.
    bool writeOrReport(const std::function<void()> &write);
};
