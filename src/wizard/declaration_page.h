// Page V: the applicant's declaration and the registrant's name and e-mail address.
#pragma once

#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "wizard_page.h"

#include <QLineEdit>
#include <array>

class Form7 : public WizardPage {
    Q_OBJECT
public:
    Form7();

    void Form_Activate() override;
    void SkinButton1_Click(); // "Selanjutnya.."
    void SkinButton2_Click(); // "Informasi"

    SkinLabel *SkinLabel1 = nullptr;          // the title
    std::array<SkinLabel *, 8> declaration{}; // SkinLabel2 to SkinLabel9
    SkinLabel *SkinLabel10 = nullptr;         // "11a. NAMA-PENDAFTAR"
    SkinLabel *SkinLabel12 = nullptr;         // its ":"
    QLineEdit *Text1 = nullptr;               // registrant's name
    SkinLabel *SkinLabel11 = nullptr;         // "11b. E-MAIL-PENDAFTAR"
    SkinLabel *SkinLabel13 = nullptr;         // its ":"
    QLineEdit *Text2 = nullptr;               // registrant's e-mail address
    SkinButton *SkinButton2 = nullptr;
    SkinButton *SkinButton1 = nullptr;
};
