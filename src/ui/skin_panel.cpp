#include "skin_panel.h"

#include "skin_painter.h"

#include <QPainter>
#include <QStyleOptionFrame>

SkinPanel::SkinPanel(const QString &caption, QWidget *parent) : QWidget(parent), skin_(this) {
    setCaption(caption);
}

void SkinPanel::setCaption(const QString &caption) {
    caption_ = caption;
    setAccessibleName(caption);
    update();
}

void SkinPanel::ApplySkin(SkinForm *form) {
    skin_.apply(form);
}

void SkinPanel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const Skin *skin = skin_.skin();
    if (!skin) {
        QStyleOptionFrame option;
        option.initFrom(this);
        option.frameShape = QFrame::Panel;
        option.state |= QStyle::State_Raised;
        option.lineWidth = 1;
        style()->drawPrimitive(QStyle::PE_Frame, &option, &painter, this);
        painter.drawText(rect(), Qt::AlignCenter, caption_);
        return;
    }
    paintSkinSurface(painter, rect(), skin->panel);
    QFont font = skinFont(*skin, this->font());
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setLetterSpacing(QFont::PercentageSpacing, 115);
    painter.setFont(font);
    painter.setPen(skin->panel.text);
    painter.drawText(rect(), Qt::AlignCenter, caption_);
}
