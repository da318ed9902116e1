#include "skin_button.h"

#include "skin_painter.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

SkinButton::SkinButton(const QString &caption, QWidget *parent)
    : QAbstractButton(parent), skin_(this) {
    setText(caption);
    setAccessibleName(caption);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void SkinButton::ApplySkin(SkinForm *form) {
    skin_.apply(form);
}

QSize SkinButton::sizeHint() const {
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()) + 24, metrics.height() + 12);
}

void SkinButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const Skin *skin = skin_.skin();
    if (!skin) {
        QStyleOptionButton option;
        option.initFrom(this);
        option.text = text();
        if (isDown())
            option.state |= QStyle::State_Sunken;
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        return;
    }

    const SkinLook &look = !isEnabled()                 ? skin->buttonDisabled
                           : isDown()                   ? skin->buttonPressed
                           : underMouse() || hasFocus() ? skin->buttonHover
                                                        : skin->buttonNormal;
    paintSkinSurface(painter, rect(), look);
    painter.setFont(fontFittingWidth(skinFont(*skin, font()), text(), width() - 8, this));
    painter.setPen(look.text);
    const QRect textArea = rect().translated(isDown() ? QPoint(1, 1) : QPoint());
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        QPen focusPen(look.text, 1, Qt::DotLine);
        painter.setPen(focusPen);
        painter.setBrush(Qt::NoBrush);
        const int inset = std::max(3, look.radius / 3);
        painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
    }
}

void SkinButton::keyPressEvent(QKeyEvent *event) {
    // Enter presses a button as Space does, so the wizard can be finished by keyboard.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        animateClick();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void SkinButton::enterEvent(QEnterEvent *event) {
    update();
    QAbstractButton::enterEvent(event);
}

void SkinButton::leaveEvent(QEvent *event) {
    update();
    QAbstractButton::leaveEvent(event);
}
