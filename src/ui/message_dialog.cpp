#include "message_dialog.h"

#include "twips.h"

#include <QApplication>
#include <QStyle>

MessageDialog::MessageDialog(const QString &caption, const QString &firstLine,
                             const QString &secondLine, Beep beep, QWidget *parent)
    : SkinWindow(caption, parent), Image1(new QLabel(this)),
      SkinLabel1(new SkinLabel(firstLine, this)),
      SkinLabel2(secondLine.isNull() ? nullptr : new SkinLabel(secondLine, this)),
      SkinButton1(new SkinButton(QStringLiteral("Baiklah.."), this)), beep_(beep) {
    Image1->setObjectName(QStringLiteral("Image1"));
    SkinLabel1->setObjectName(QStringLiteral("SkinLabel1"));
    SkinButton1->setObjectName(QStringLiteral("SkinButton1"));

    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize));
    Image1->setAccessibleName(QStringLiteral("Peringatan"));

    // The label texts keep their runs of blanks; the fixed width wraps them.
    Image1->setGeometry(twipsRect(240, 240, 720, 720, this));
    const bool twoLines = SkinLabel2 != nullptr;
    SkinLabel1->setGeometry(twipsRect(1080, 240, 4200, twoLines ? 375 : 975, this));
    SkinLabel1->setWordWrap(true);
    if (twoLines) {
        SkinLabel2->setObjectName(QStringLiteral("SkinLabel2"));
        SkinLabel2->setGeometry(twipsRect(1080, 675, 4200, 540, this));
        SkinLabel2->setWordWrap(true);
        SkinLabel2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    SkinButton1->setGeometry(twipsRect(2160, 1440, 1455, 405, this));
    connect(SkinButton1, &SkinButton::clicked, this, &MessageDialog::SkinButton1_Click);
    setFixedSize(twipsRect(0, 0, 5520, 2160, this).size());
}

void MessageDialog::Form_Activate() {
    if (beep_ == Beep::BeforeSkin)
        beep();
    takeSkin();
    if (beep_ == Beep::AfterSkin)
        beep();
    for (Skinnable *control : skinnedControls())
        control->ApplySkin(SkinForm1);
    afterSkinning();
    runEntrance();
}

void MessageDialog::takeSkin() {
    SkinForm1->setCurrentSkin(SkinForm1->CurrentSkin());
}

std::vector<Skinnable *> MessageDialog::skinnedControls() {
    std::vector<Skinnable *> controls{SkinButton1, SkinLabel1};
    if (SkinLabel2)
        controls.push_back(SkinLabel2);
    return controls;
}

void MessageDialog::beep() {
    QApplication::beep();
    emit beepSounded();
}
