#include "record_page.h"

#include "document/work_files.h"
#include "ui/entrance_effects.h"
#include "ui/page_controls.h"
#include "ui/twips.h"

namespace {

constexpr const char *groupHeadings[recordGroupCount] = {
    "PRIMARY", "SECONDARY", "SECONDARY #2", "SECONDARY #3", "SECONDARY #4",
};

// The page in twips: row labels at the left, the primary and the secondary side by side,
// below them secondaries #2 to #4, and the buttons one above the other at the right.
constexpr int rowLabelLeft = 240;
constexpr int rowLabelWidth = 1380;
constexpr int fieldsLeft = 1680;
constexpr int fieldsRight = 6780;
constexpr int rowPitch = 360;
constexpr int rowHeight = 285;
constexpr int columnGap = 120;
constexpr int buttonLeft = 7020;
constexpr int buttonWidth = 1575;

} // namespace

RecordPage::RecordPage(const QString &objectName, const RecordPageDesign &design)
    : recordType(design.type) {
    setObjectName(objectName);
    SkinLabel1 = pageTitle(QStringLiteral("SkinLabel1"), QLatin1String(design.title), this);
    placeAt(SkinLabel1, 240, 180, 6540, 450);
    makeGroups(design);

    SkinButton1 = pageButton(QStringLiteral("SkinButton1"), QStringLiteral("Selanjutnya.."), this);
    SkinButton2 = pageButton(QStringLiteral("SkinButton2"), QStringLiteral("Informasi"), this);
    placeAt(SkinButton1, buttonLeft, 1200, buttonWidth, 405);
    placeAt(SkinButton2, buttonLeft, 1740, buttonWidth, 405);
    connect(SkinButton1, &SkinButton::clicked, this, &RecordPage::SkinButton1_Click);
    connect(SkinButton2, &SkinButton::clicked, this, &RecordPage::SkinButton2_Click);
}

void RecordPage::makeGroups(const RecordPageDesign &design) {
    const int rows = recordFieldsPerGroup(design.type);
    int labelNumber = 2;
    auto label = [&](const QString &caption, int left, int top, int width) {
        SkinLabel *made =
            pageLabel(QStringLiteral("SkinLabel%1").arg(labelNumber++), caption, this);
        placeAt(made, left, top, width, rowHeight);
        return made;
    };

    // Where each group stands: two wide columns above, three narrower ones below.
    struct Place {
        int left, width, headingTop;
    };
    std::array<Place, recordGroupCount> places{};
    const int upperTop = 840;
    const int lowerHeadingTop = upperTop + rowPitch * (rows + 1) + columnGap;
    const int lowerTop = lowerHeadingTop + rowPitch;
    for (int column = 0; column < 2; ++column) {
        const int width = (fieldsRight - fieldsLeft - columnGap) / 2;
        places[column] = {fieldsLeft + column * (width + columnGap), width, upperTop};
    }
    for (int column = 0; column < 3; ++column) {
        const int width = (fieldsRight - fieldsLeft - 2 * columnGap) / 3;
        places[2 + column] = {fieldsLeft + column * (width + columnGap), width, lowerTop};
    }

    label(QLatin1String(design.otherSecondariesHeading), rowLabelLeft, lowerHeadingTop,
          fieldsRight - rowLabelLeft);
    for (int top : {upperTop, lowerTop})
        for (int row = 0; row < rows; ++row)
            label(QLatin1String(design.rowCaptions[row]), rowLabelLeft, top + (row + 1) * rowPitch,
                  rowLabelWidth);
    for (int group = 0; group < recordGroupCount; ++group)
        label(QLatin1String(groupHeadings[group]), places[group].left, places[group].headingTop,
              places[group].width)
            ->setAlignment(Qt::AlignCenter);

    // Fields last and in their order, so that Tab walks Text1, Text2, ...
    for (int group = 0; group < recordGroupCount; ++group) {
        for (int row = 0; row < rows; ++row) {
            const QString name = QStringLiteral("Text%1").arg(Texts.size() + 1);
            const QString accessible = QStringLiteral("%1 (%2)").arg(
                QLatin1String(design.rowCaptions[row]), QLatin1String(groupHeadings[group]));
            QLineEdit *field = pageField(name, accessible, this);
            placeAt(field, places[group].left, places[group].headingTop + (row + 1) * rowPitch,
                    places[group].width, rowHeight);
            Texts.push_back(field);
        }
    }
    setFixedSize(twipsRect(0, 0, buttonLeft + buttonWidth + 240,
                           lowerTop + (rows + 1) * rowPitch + 240, this)
                     .size());
}

void RecordPage::Form_Activate() {
    applySkinToOwnControls(this);
    slideIn(SkinButton2, -180);
    slideIn(SkinButton1, 330);
}

void RecordPage::SkinButton1_Click() {
    const std::vector<QLineEdit *> required(Texts.begin(), Texts.begin() + requiredFieldCount);
    if (!requiredFieldsFilled(required, [this] { emit incomplete(); }))
        return;

    QStringList fields;
    for (QLineEdit *field : Texts)
        fields << field->text();
    if (!writeOrReport(
            [&] { appendWorkFile(WorkFile::Document, buildRecordSections(recordType, fields)); }))
        return;
    emit completed();
}

void RecordPage::SkinButton2_Click() {
    emit informationRequested();
}
