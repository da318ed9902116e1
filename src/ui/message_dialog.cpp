#include "message_dialog.h"

#include "page_controls.h"
#include "twips.h"

#include <QApplication>
#include <QStyle>
#include <algorithm>

MessageDialog::MessageDialog(const QString &caption, const QString &firstLine,
                             const QString &secondLine, Beep beep, QWidget *parent)
    : SkinWindow(caption, parent), Image1(new QLabel(this)),
      SkinLabel1(new SkinLabel(firstLine, this)),
      SkinLabel2(secondLine.isNull() ? nullptr : new SkinLabel(secondLine, this)),
      SkinButton1(pageButton(QStringLiteral("SkinButton1"), QStringLiteral("Baiklah.."), this)),
      beep_(beep) {
    Image1->setObjectName(QStringLiteral("Image1"));
    SkinLabel1->setObjectName(QStringLiteral("SkinLabel1"));

    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize));
    Image1->setAccessibleName(QStringLiteral("Peringatan"));

    placeAt(Image1, 240, 240, 720, 720);
    SkinLabel1->setWordWrap(true);
    if (SkinLabel2) {
        SkinLabel2->setObjectName(QStringLiteral("SkinLabel2"));
        SkinLabel2->setWordWrap(true);
        SkinLabel2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    placeLines();
    connect(SkinButton1, &SkinButton::clicked, this, &MessageDialog::SkinButton1_Click);
}

void MessageDialog::placeLines() {
    // The label texts keep their runs of blanks; the fixed width wraps them. Each label is
    // as tall as its wrapped text needs (a skin's larger font is fitted by the label
    // itself), and the button stands below the last one.
    const QRect column = twipsRect(1080, 240, 4200, 0, this);
    int top = column.top();
    auto place = [&](SkinLabel *label, int smallestHeight) {
        const int textPadding = 6; // the label draws its text 3 pixels in from each side
        const int height = std::max(twipsToPixels(smallestHeight, this),
                                    label->heightForWidth(column.width() - textPadding) + 4);
        label->setGeometry(column.left(), top, column.width(), height);
        top += height + twipsToPixels(60, this);
    };
    place(SkinLabel1, SkinLabel2 ? 375 : 975);
    if (SkinLabel2)
        place(SkinLabel2, 540);
    const int buttonTop = std::max(top + twipsToPixels(165, this), twipsToPixels(1440, this));
    SkinButton1->setGeometry(twipsRect(2160, 0, 1455, 405, this).translated(0, buttonTop));
    setFixedSize(twipsRect(0, 0, 5520, 0, this).width(),
                 buttonTop + twipsToPixels(405 + 315, this));
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

void MessageDialog::SkinButton1_Click() {
    emit dismissed();
}

void MessageDialog::takeSkin() {
    SkinForm1->reapplySkin();
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
