// A panel drawn by the skin, with a caption centred on it.
#pragma once

#include "skinnable.h"

#include <QWidget>

class SkinPanel : public QWidget, public Skinnable {
    Q_OBJECT
public:
    explicit SkinPanel(const QString &caption = QString(), QWidget *parent = nullptr);

    void ApplySkin(SkinForm *form) override;
    ::SkinElement *SkinElement() const override { return skin_.element(); }

    QString caption() const { return caption_; }
    void setCaption(const QString &caption);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SkinAttachment skin_;
    QString caption_;
};
