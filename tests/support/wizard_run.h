// Walking the wizard through a window set of one's own, for the benchmarks; tests walk it
// through their fixture.
#pragma once

#include "app/window_set.h"
#include "support/wizard_walk.h"
#include "wizard/contact_page.h"
#include "wizard/declaration_page.h"
#include "wizard/main_window.h"
#include "wizard/name_server_page.h"
#include "wizard/record_choice_page.h"

// Runs the wizard from a fresh page I up to the page named (Form4 or Form5), completing the
// pages before it.
inline SkinWindow *reachPage(WindowSet &windows, const QString &name) {
    completePage(windows.frmMain.get());
    completePage(windows.Form2.get());
    if (name == QLatin1String("Form4"))
        return windows.Form4.get();
    button(windows.Form4.get(), "SkinButton1")->click();
    return windows.Form5.get();
}
