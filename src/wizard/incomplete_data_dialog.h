// The dialog a page raises when its Next finds a required field empty: a warning picture,
// two lines and "Baiklah..". Every page's dialog is this window, made from the page's design.
#pragma once

#include "ui/message_dialog.h"

struct IncompleteDataDesign {
    const char *objectName;
    const char *caption;
    const char *firstLine;
    const char *secondLine;
    MessageDialog::Beep beep;
    // Where "Baiklah.." slides in from: this far above (less than 0) or below its place.
    int entranceOffset;
};

class IncompleteDataDialog : public MessageDialog {
    Q_OBJECT
public:
    // The dialogs of page I, page II, the name-server and mail-exchanger pages, and page V.
    static const IncompleteDataDesign domain;
    static const IncompleteDataDesign contacts;
    static const IncompleteDataDesign nameServers;
    static const IncompleteDataDesign mailExchangers;
    static const IncompleteDataDesign registrant;

    // With `mainWindow` the dialog wears the main window's skin each time it comes up;
    // without, the skin its page handed over.
    explicit IncompleteDataDialog(const IncompleteDataDesign &design, SkinSource mainWindow = {});

protected:
    void takeSkin() override;
    void runEntrance() override;

private:
    const int entranceOffset_;
    const SkinSource mainWindow_;
};
