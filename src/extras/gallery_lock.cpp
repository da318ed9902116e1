#include "gallery_lock.h"

#include "gallery_page.h"
#include "ui/page_controls.h"
#include "ui/twips.h"

Form9::Form9()
    : SkinWindow(QStringLiteral("Master Crosscheck Devices..")),
      SkinLabel1(pageLabel(QStringLiteral("SkinLabel1"), QStringLiteral("Code Name :"), this)),
      Text1(pageField(QStringLiteral("Text1"), SkinLabel1->text(), this)),
      SkinLabel2(pageLabel(QStringLiteral("SkinLabel2"), QStringLiteral("Password  :"), this)),
      Text2(pageField(QStringLiteral("Text2"), SkinLabel2->text(), this)),
      SkinLabel3(pageLabel(QStringLiteral("SkinLabel3"),
                           QStringLiteral("Sorry.. Wrong CODE and/or PWD... X-("), this)),
      SkinButton1(pageButton(QStringLiteral("SkinButton1"),
                             QStringLiteral("Enter Security Devices.."), this)) {
    setObjectName(QStringLiteral("Form9"));
    Text2->setEchoMode(QLineEdit::Password);
    placeAt(SkinLabel1, 360, 360, 1440, 315);
    placeAt(Text1, 1920, 360, 2880, 315);
    placeAt(SkinLabel2, 360, 795, 1440, 315);
    placeAt(Text2, 1920, 795, 2880, 315);
    placeAt(SkinLabel3, 360, 1290, 4440, 315);
    SkinLabel3->setAlignment(Qt::AlignCenter);
    SkinLabel3->hide();
    placeAt(SkinButton1, 1380, 1845, 2400, 405);

    connect(Text1, &QLineEdit::textChanged, this, &Form9::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Form9::Text2_Change);
    connect(SkinButton1, &SkinButton::clicked, this, &Form9::SkinButton1_Click);
    setFixedSize(twipsRect(0, 0, 5160, 2610, this).size());
}

void Form9::Form_Activate() {
    SkinForm1->reapplySkin();
    applySkinToOwnControls(this);
    SkinButton1->setButtonEnabled(false);
}

bool Form9::bothMatch() const {
    return Text1->text() == QLatin1String(codeName) && Text2->text() == QLatin1String(password);
}

// A match enables the button; nothing here disables it again before the next activation.
void Form9::Text1_Change() {
    if (bothMatch())
        SkinButton1->setButtonEnabled(true);
    else
        SkinLabel3->show();
}

void Form9::Text2_Change() {
    if (bothMatch())
        SkinButton1->setButtonEnabled(true);
}

void Form9::SkinButton1_Click() {
    emit unlocked();
}

void Form9::closeRequested() {
    emit dismissed();
}
