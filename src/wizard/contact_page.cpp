#include "contact_page.h"

#include "main_window.h"
#include "ui/twips.h"
#include "window_set.h"

Form2::Form2(WindowSet &windows) : SkinWindow(QStringLiteral("Velda")), windows_(windows) {
    setObjectName(QStringLiteral("Form2"));
    setFixedSize(twipsRect(0, 0, 9600, 6600, this).size());
    if (windows_.frmMain.loaded())
        SkinForm1->setCurrentSkin(windows_.frmMain.get()->SkinForm1->CurrentSkin());
}

void Form2::closeRequested() {
    windows_.End();
}
