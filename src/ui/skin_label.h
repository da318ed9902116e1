// A label drawn by the skin.
#pragma once

#include "skinnable.h"

#include <QLabel>

class SkinLabel : public QLabel, public Skinnable {
    Q_OBJECT
public:
    explicit SkinLabel(const QString &caption = QString(), QWidget *parent = nullptr);

    void ApplySkin(SkinForm *form) override;
    ::SkinElement *SkinElement() const override { return skin_.element(); }

    // Draws the caption this many times the skin's font size (a page title, say).
    void setFontScale(qreal scale);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SkinAttachment skin_;
    qreal fontScale_ = 1.0;
};
