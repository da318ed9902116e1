#include "record_choice_page.h"

#include "ui/entrance_effects.h"
#include "ui/page_controls.h"
#include "ui/twips.h"

Form4::Form4() {
    setObjectName(QStringLiteral("Form4"));
    SkinLabel2 =
        pageTitle(QStringLiteral("SkinLabel2"), QStringLiteral("III. RESOURCE RECORD"), this);
    placeAt(SkinLabel2, 240, 180, 4920, 450);

    SkinLabel7 =
        pageLabel(QStringLiteral("SkinLabel7"), QStringLiteral("Mail eXchange Server"), this);
    SkinLabel6 = pageLabel(QStringLiteral("SkinLabel6"), QStringLiteral("Name Server"), this);
    for (SkinLabel *caption : {SkinLabel7, SkinLabel6})
        caption->setAlignment(Qt::AlignCenter);
    SkinButton2 = pageButton(QStringLiteral("SkinButton2"), QStringLiteral("MX Record"), this);
    SkinButton1 = pageButton(QStringLiteral("SkinButton1"), QStringLiteral("NS Record"), this);
    placeAt(SkinLabel7, 840, 840, 2400, 285);
    placeAt(SkinLabel6, 3720, 840, 2400, 285);
    placeAt(SkinButton2, 840, 1200, 2400, 405);
    placeAt(SkinButton1, 3720, 1200, 2400, 405);
    connect(SkinButton1, &SkinButton::clicked, this, &Form4::SkinButton1_Click);
    connect(SkinButton2, &SkinButton::clicked, this, &Form4::SkinButton2_Click);

    SkinPanel1 = new SkinPanel(QStringLiteral("KETERANGAN"), this);
    SkinPanel1->setObjectName(QStringLiteral("SkinPanel1"));
    placeAt(SkinPanel1, 840, 1980, 5280, 405);
    Picture1 = new TickerStrip(hintDesign(), this);
    Picture1->placeAt(840, 2520);

    SkinLabel8 =
        pageLabel(QStringLiteral("SkinLabel8"),
                  QStringLiteral("1. Pilihlah antara MX atau NS namun jangan keduanya."), this);
    SkinLabel3 = pageLabel(QStringLiteral("SkinLabel3"),
                           QStringLiteral("2. MX atau NS tidak boleh menggunakan CNAME."), this);
    SkinLabel4 = pageLabel(QStringLiteral("SkinLabel4"),
                           QStringLiteral("3. DNS harus sudah aktif sebelum mendaftar."), this);
    placeAt(SkinLabel8, 840, 2940, 5880, 285);
    placeAt(SkinLabel3, 840, 3300, 5880, 285);
    placeAt(SkinLabel4, 840, 3660, 5880, 285);

    setFixedSize(twipsRect(0, 0, 6960, 4260, this).size());
}

TickerDesign Form4::hintDesign() {
    return {3975,
            255,
            9615,
            3600,
            30,
            {{QStringLiteral(" Statik IP dibutuhkan untuk data MX atau NS ini .."), 120, 4335},
             {QStringLiteral("silahkan tanyakan lebih lanjut pada PJI/ISP/Jasa Hosting .."), 4560,
              5055}}};
}

void Form4::Form_Activate() {
    applySkinToOwnControls(this);
    slideIn(SkinButton1, -230);
    growIn(SkinButton2, 70, 100, 80);
}

void Form4::SkinButton1_Click() {
    emit nameServersChosen();
}

void Form4::SkinButton2_Click() {
    emit mailExchangersChosen();
}
