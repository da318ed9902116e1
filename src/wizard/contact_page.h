// Page II: the administrative, billing and technical contacts, eight items each.
#pragma once

#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "ui/skin_panel.h"
#include "wizard_page.h"

#include <QLineEdit>
#include <array>

class Form2 : public WizardPage {
    Q_OBJECT
public:
    // Takes the skin of `mainWindow` as it loads.
    explicit Form2(SkinSource mainWindow);

    // Runs once, as the page is made: the main window's skin, the skinned controls and the
    // entrance. Later shows do not replay it.
    void Form_Load();

    void SkinButton1_Click(); // "Selanjutnya..."
    void SkinButton2_Click(); // "Informasi"

    SkinLabel *SkinLabel1 = nullptr;             // the title
    std::array<SkinLabel *, 3> columnHeadings{}; // SkinLabel2 to SkinLabel4
    std::array<SkinLabel *, 8> rowLabels{};      // SkinLabel5 to SkinLabel12
    SkinPanel *SkinPanel1 = nullptr;
    // Text1 to Text24: items a to h of each contact, column by column.
    std::array<QLineEdit *, 24> Texts{};
    SkinButton *SkinButton1 = nullptr;
    SkinButton *SkinButton2 = nullptr;

private:
    SkinSource mainWindow_;
};
