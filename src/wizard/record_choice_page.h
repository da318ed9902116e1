// Page III: the choice between name-server and mail-exchanger records, three remarks
// and the scrolling hint line.
#pragma once

#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "ui/skin_panel.h"
#include "ui/ticker_strip.h"
#include "wizard_page.h"

class Form4 : public WizardPage {
    Q_OBJECT
public:
    Form4();

    void Form_Activate() override;
    void SkinButton1_Click(); // "NS Record"
    void SkinButton2_Click(); // "MX Record"

    // The hint line's design: window, strip and messages in twips, 30 to the left a tick.
    static TickerDesign hintDesign();

    SkinLabel *SkinLabel2 = nullptr; // the title
    SkinLabel *SkinLabel7 = nullptr; // above "MX Record"
    SkinLabel *SkinLabel6 = nullptr; // above "NS Record"
    SkinButton *SkinButton2 = nullptr;
    SkinButton *SkinButton1 = nullptr;
    SkinPanel *SkinPanel1 = nullptr; // the remarks heading
    TickerStrip *Picture1 = nullptr;
    SkinLabel *SkinLabel8 = nullptr; // remark 1
    SkinLabel *SkinLabel3 = nullptr; // remark 2
    SkinLabel *SkinLabel4 = nullptr; // remark 3

signals:
    void nameServersChosen();
    void mailExchangersChosen();
};
