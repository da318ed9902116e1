// The skin form of a window: which skin the window is drawn in, and its opacity.
#pragma once

#include "skin.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

class SkinForm : public QObject {
    Q_OBJECT
public:
    explicit SkinForm(QWidget *window);

    // The skin object the window draws with, or none.
    SkinRef CurrentSkin() const { return skin_; }
    // Takes the skin by reference and redraws the window and its controls in it.
    void setCurrentSkin(SkinRef skin);
    // Draws the window and its controls again in the skin it holds, as a hand-over of that
    // same skin would.
    void reapplySkin() { setCurrentSkin(skin_); }

    // The window's level, 0 (transparent) to 255 (opaque); combined with the skin's own opacity.
    int SkinFormLevel() const { return level_; }
    void setSkinFormLevel(int level);

    QWidget *window() const { return window_; }

signals:
    void skinChanged();

private:
    void redraw();

    QPointer<QWidget> window_;
    SkinRef skin_;
    int level_ = 255;
};
