// The family of record pages (page IV): a primary and four secondaries, each a group of
// fields, checked and written the same way for name servers and for mail exchangers.
// The two pages differ only by their design table.
#pragma once

#include "document/record_section.h"
#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "wizard_page.h"

#include <QLineEdit>
#include <array>
#include <vector>

struct RecordPageDesign {
    RecordType type;
    const char *title;
    const char *otherSecondariesHeading;
    std::array<const char *, 3> rowCaptions; // as many as the type has fields per group
};

class RecordPage : public WizardPage {
    Q_OBJECT
public:
    void Form_Activate() override;
    void SkinButton1_Click(); // "Selanjutnya.."
    void SkinButton2_Click(); // "Informasi"

    const RecordType recordType;
    SkinLabel *SkinLabel1 = nullptr; // the title
    // Text1, Text2, ...: group by group (primary, secondary, #2, #3, #4), in field order.
    std::vector<QLineEdit *> Texts;
    SkinButton *SkinButton1 = nullptr;
    SkinButton *SkinButton2 = nullptr;

    // Required, in this order: the first four fields.
    static constexpr int requiredFieldCount = 4;

protected:
    RecordPage(const QString &objectName, const RecordPageDesign &design);

private:
    void makeGroups(const RecordPageDesign &design);
};
