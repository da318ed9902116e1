#include "skinnable.h"

#include <QWidget>

SkinAttachment::~SkinAttachment() {
    // The control is being destroyed: drop the element without moving anything.
    element_.reset();
}

void SkinAttachment::apply(SkinForm *form) {
    if (element_) {
        const QRect home = element_->homeGeometry();
        element_.reset();
        control_->setGeometry(home);
    }
    form_ = form;
    if (form)
        element_ = std::make_unique<::SkinElement>(control_);
    control_->update();
}

const Skin *SkinAttachment::skin() const {
    if (!form_ || !element_)
        return nullptr;
    return form_->CurrentSkin().get();
}
