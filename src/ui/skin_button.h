// A push button drawn by the skin: normal, hover, pressed and disabled looks.
#pragma once

#include "skinnable.h"

#include <QAbstractButton>

class SkinButton : public QAbstractButton, public Skinnable {
    Q_OBJECT
public:
    explicit SkinButton(const QString &caption, QWidget *parent = nullptr);

    void ApplySkin(SkinForm *form) override;
    ::SkinElement *SkinElement() const override { return skin_.element(); }

    void setButtonEnabled(bool enabled) { setEnabled(enabled); }
    bool ButtonEnabled() const { return isEnabled(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    SkinAttachment skin_;
};
