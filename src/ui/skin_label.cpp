#include "skin_label.h"

#include "skin_painter.h"

#include <QPainter>

SkinLabel::SkinLabel(const QString &caption, QWidget *parent)
    : QLabel(caption, parent), skin_(this) {
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void SkinLabel::ApplySkin(SkinForm *form) {
    skin_.apply(form);
}

void SkinLabel::setFontScale(qreal scale) {
    fontScale_ = scale;
    QFont scaled = font();
    scaled.setPointSizeF(scaled.pointSizeF() * scale);
    scaled.setBold(scale > 1.0);
    setFont(scaled);
}

void SkinLabel::paintEvent(QPaintEvent *event) {
    const Skin *skin = skin_.skin();
    if (!skin) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    paintSkinSurface(painter, rect(), skin->label);
    if (text().isEmpty())
        return;
    QFont font = skinFont(*skin, this->font());
    font.setPointSizeF(font.pointSizeF() * fontScale_);
    if (fontScale_ > 1.0)
        font.setBold(true);
    const QRect area = contentsRect().adjusted(3, 0, -3, 0);
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    font = wordWrap() ? fontFittingRect(font, text(), area, flags, this)
                      : fontFittingWidth(font, text(), area.width(), this);
    painter.setFont(font);
    painter.setPen(skin->label.text);
    painter.drawText(area, flags, text());
}
