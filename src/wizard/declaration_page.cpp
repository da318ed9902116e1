#include "declaration_page.h"

#include "document/declaration_section.h"
#include "document/work_files.h"
#include "ui/entrance_effects.h"
#include "ui/page_controls.h"
#include "ui/twips.h"

#include <cstring>

namespace {

// The declaration's lines start here; each blank of a continuation line's indent in the
// document moves its label this much further right.
constexpr int declarationLeft = 480;
constexpr int indentPerBlank = 90;
constexpr int labelsRight = 7920;
constexpr int rowHeight = 285;
constexpr int fieldLeft = 3480;
constexpr int buttonWidth = 1575;

} // namespace

Form7::Form7() {
    setObjectName(QStringLiteral("Form7"));
    SkinLabel1 = pageTitle(QStringLiteral("SkinLabel1"),
                           QStringLiteral("V. LEMBAR PERNYATAAN PEMOHON DOMAIN"), this);
    placeAt(SkinLabel1, 240, 180, labelsRight - 240, 450);
    for (std::size_t i = 0; i < declarationLines.size(); ++i) {
        const std::size_t blanks = std::strspn(declarationLines[i], " ");
        const int left = declarationLeft + indentPerBlank * int(blanks);
        declaration[i] = pageLabel(QStringLiteral("SkinLabel%1").arg(2 + i),
                                   QLatin1String(declarationLines[i] + blanks), this);
        placeAt(declaration[i], left, 840 + int(i) * 300, labelsRight - left, rowHeight);
    }

    SkinLabel10 =
        pageLabel(QStringLiteral("SkinLabel10"), QStringLiteral("11a. NAMA-PENDAFTAR"), this);
    SkinLabel12 = pageLabel(QStringLiteral("SkinLabel12"), QStringLiteral(":"), this);
    Text1 = pageField(QStringLiteral("Text1"), SkinLabel10->text(), this);
    SkinLabel11 =
        pageLabel(QStringLiteral("SkinLabel11"), QStringLiteral("11b. E-MAIL-PENDAFTAR"), this);
    SkinLabel13 = pageLabel(QStringLiteral("SkinLabel13"), QStringLiteral(":"), this);
    Text2 = pageField(QStringLiteral("Text2"), SkinLabel11->text(), this);
    for (SkinLabel *colon : {SkinLabel12, SkinLabel13})
        colon->setAlignment(Qt::AlignCenter);
    const int nameTop = 840 + 8 * 300 + 240;
    const int addressTop = nameTop + 360;
    placeAt(SkinLabel10, 480, nameTop, 2640, rowHeight);
    placeAt(SkinLabel12, 3120, nameTop, 240, rowHeight);
    placeAt(Text1, fieldLeft, nameTop, labelsRight - fieldLeft, rowHeight);
    placeAt(SkinLabel11, 480, addressTop, 2640, rowHeight);
    placeAt(SkinLabel13, 3120, addressTop, 240, rowHeight);
    placeAt(Text2, fieldLeft, addressTop, labelsRight - fieldLeft, rowHeight);

    SkinButton2 = pageButton(QStringLiteral("SkinButton2"), QStringLiteral("Informasi"), this);
    SkinButton1 = pageButton(QStringLiteral("SkinButton1"), QStringLiteral("Selanjutnya.."), this);
    const int buttonTop = addressTop + 600;
    placeAt(SkinButton2, labelsRight - 2 * buttonWidth - 240, buttonTop, buttonWidth, 405);
    placeAt(SkinButton1, labelsRight - buttonWidth, buttonTop, buttonWidth, 405);
    connect(SkinButton1, &SkinButton::clicked, this, &Form7::SkinButton1_Click);
    connect(SkinButton2, &SkinButton::clicked, this, &Form7::SkinButton2_Click);

    setFixedSize(twipsRect(0, 0, labelsRight + 240, buttonTop + 405 + 300, this).size());
}

void Form7::Form_Activate() {
    applySkinToOwnControls(this);
    slideIn(SkinButton1, -380);
    growIn(SkinButton2, 70, 100, 80);
}

void Form7::SkinButton1_Click() {
    if (!requiredFieldsFilled({Text1, Text2}, [this] { emit incomplete(); }))
        return;

    // The trailer block is read before anything is written: without it the document
    // cannot be finished, and the page stays as it is.
    const Registrant registrant{Text1->text(), Text2->text()};
    if (!writeOrReport([&] {
            writeDeclarationFiles(
                buildDeclarationFiles(registrant, readWorkFile(WorkFile::Trailer)));
        }))
        return;
    emit completed();
}

void Form7::SkinButton2_Click() {
    emit informationRequested();
}
