#include "contact_page.h"

#include "document/contact_section.h"
#include "document/maker.h"
#include "document/work_files.h"
#include "ui/entrance_effects.h"
#include "ui/page_controls.h"
#include "ui/twips.h"

namespace {

constexpr const char *columnCaptions[contactRoleCount] = {"2. Administratif", "3. Pembayaran",
                                                          "4. Teknis"};
constexpr const char *rowCaptions[contactItemCount] = {
    "a. NIC Handle", "b. Nama",   "c. Jabatan", "d. Institusi",
    "e. Alamat",     "f. E-Mail", "g.Telepon",  "h. Fax",
};

// The grid in twips: row labels at the left, then one column per contact.
constexpr int rowLabelLeft = 240;
constexpr int firstColumnLeft = 1800;
constexpr int columnWidth = 2400;
constexpr int columnPitch = 2520;
constexpr int headingTop = 840;
constexpr int firstRowTop = 1200;
constexpr int rowPitch = 360;
constexpr int rowHeight = 285;
constexpr int buttonTop = 4320;

} // namespace

Form2::Form2(SkinSource mainWindow) : mainWindow_(std::move(mainWindow)) {
    setObjectName(QStringLiteral("Form2"));
    SkinLabel1 = pageTitle(QStringLiteral("SkinLabel1"), QStringLiteral("II. DATA KONTAK"), this);
    placeAt(SkinLabel1, 240, 180, 4920, 450);
    SkinPanel1 = new SkinPanel(QLatin1String(maker::acronym), this);
    SkinPanel1->setObjectName(QStringLiteral("SkinPanel1"));
    placeAt(SkinPanel1, 6840, 180, 2400, 450);

    for (int role = 0; role < contactRoleCount; ++role) {
        columnHeadings[role] = pageLabel(QStringLiteral("SkinLabel%1").arg(2 + role),
                                         QLatin1String(columnCaptions[role]), this);
        placeAt(columnHeadings[role], firstColumnLeft + role * columnPitch, headingTop, columnWidth,
                rowHeight);
    }
    for (int item = 0; item < contactItemCount; ++item) {
        rowLabels[item] = pageLabel(QStringLiteral("SkinLabel%1").arg(5 + item),
                                    QLatin1String(rowCaptions[item]), this);
        placeAt(rowLabels[item], rowLabelLeft, firstRowTop + item * rowPitch, 1530, rowHeight);
    }
    // Made column by column, so that Tab runs down each contact in turn.
    for (int role = 0; role < contactRoleCount; ++role) {
        for (int item = 0; item < contactItemCount; ++item) {
            const int index = role * contactItemCount + item;
            Texts[index] =
                pageField(QStringLiteral("Text%1").arg(index + 1),
                          QStringLiteral("%1 (%2)").arg(QLatin1String(rowCaptions[item]),
                                                        QLatin1String(columnCaptions[role])),
                          this);
            placeAt(Texts[index], firstColumnLeft + role * columnPitch,
                    firstRowTop + item * rowPitch, columnWidth, rowHeight);
        }
    }

    SkinButton2 = pageButton(QStringLiteral("SkinButton2"), QStringLiteral("Informasi"), this);
    SkinButton1 = pageButton(QStringLiteral("SkinButton1"), QStringLiteral("Selanjutnya..."), this);
    placeAt(SkinButton2, 5970, buttonTop, 1575, 405);
    placeAt(SkinButton1, 7665, buttonTop, 1575, 405);
    connect(SkinButton1, &SkinButton::clicked, this, &Form2::SkinButton1_Click);
    connect(SkinButton2, &SkinButton::clicked, this, &Form2::SkinButton2_Click);

    setFixedSize(twipsRect(0, 0, 9480, 4980, this).size());
    Form_Load();
}

void Form2::Form_Load() {
    if (const SkinWindow *main = mainWindow_())
        handSkinOver(main, this);
    applySkinToOwnControls(this);
    slideIn(SkinButton1, -230);
    growIn(SkinButton2, 70, 500, 80);
}

void Form2::SkinButton1_Click() {
    const bool complete =
        requiredFieldsFilled({Texts[0], Texts[8], Texts[16]}, [this] { emit incomplete(); });
    if (!complete)
        return;

    ContactFields fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = Texts[i]->text();
    if (!writeOrReport([&] { appendWorkFile(WorkFile::Document, buildContactSections(fields)); }))
        return;
    emit completed();
}

void Form2::SkinButton2_Click() {
    emit informationRequested();
}
