#include "skin_form.h"

#include <algorithm>

SkinForm::SkinForm(QWidget *window) : QObject(window), window_(window) {}

void SkinForm::setCurrentSkin(SkinRef skin) {
    skin_ = std::move(skin);
    redraw();
    emit skinChanged();
}

void SkinForm::setSkinFormLevel(int level) {
    level_ = std::clamp(level, 0, 255);
    redraw();
}

void SkinForm::redraw() {
    if (!window_)
        return;
    const int skinLevel = skin_ ? std::clamp(skin_->opacity, 0, 255) : 255;
    window_->setWindowOpacity((level_ / 255.0) * (skinLevel / 255.0));
    window_->update();
    for (QWidget *child : window_->findChildren<QWidget *>())
        child->update();
}
