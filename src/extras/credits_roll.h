// The credits window: a long acknowledgement that scrolls upward, centred and
// word-wrapped, and re-enters from below until the window is closed.
#pragma once

#include "ui/skin_button.h"
#include "ui/skin_window.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

// The scroll area: clears itself and draws the text in one rectangle of its inside.
class CreditsScroll : public QWidget {
    Q_OBJECT
public:
    explicit CreditsScroll(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const { return text_; }
    // Height of the text drawn centred and word-wrapped to the inner width; 0 for no text.
    int measureTextHeight() const;
    // Draws the text in `rect`, given in the inner area's coordinates, on the next repaint.
    void drawTextIn(const QRect &rect);
    QRect drawnRect() const { return drawn_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QPixmap renderedText(const QSize &size) const;

    QString text_; // lines end in LF here, as the painter wants them
    QRect drawn_;
    mutable QPixmap rendered_;
};

class FormCredits : public SkinWindow {
    Q_OBJECT
public:
    // Takes the skin of `mainWindow` for its button as it is made.
    explicit FormCredits(const SkinSource &mainWindow);

    // Starts the roll from just below the scroll area.
    void Form_Activate() override;
    void SkinButton1_Click(); // "Baiklah.."

    // The acknowledgement, lines ending in CR LF.
    static QString creditsText();

    // One frame of the roll: draw, then move the text up one unit; once it has left at
    // the top it starts again just below.
    void drawNextFrame();
    // Where the next frame draws the text, in the scroll area's inner coordinates.
    QRect rollRect() const { return roll_; }
    bool isRolling() const { return rollTimer_->isActive(); }
    bool stopped() const { return stop_; }

    CreditsScroll *picScroll = nullptr;
    QLabel *Picture2 = nullptr;
    QLabel *lblExit = nullptr;
    SkinButton *SkinButton1 = nullptr;

    // The roll's colours: text on the scroll area, and the three colours of "EXIT".
    static constexpr QRgb scrollTextColour = 0xffff00;
    static constexpr QRgb exitColour = 0x8c8c8c;
    static constexpr QRgb exitColourOverWindow = 0xff00ff;
    static constexpr QRgb exitColourOverExit = 0x0000ff;

    // Modal while it is open, so assistive technology hears a dialog.
    bool isDialog() const override { return true; }

signals:
    void dismissed();     // "Baiklah..": back to the about box
    void nothingToRoll(); // an empty text: the window goes at once

protected:
    void closeRequested() override { SkinButton1_Click(); }
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void rollTimer_Timer();
    void endRoll();
    void setExitColour(QRgb colour);

    QTimer *const rollTimer_;
    QElapsedTimer sinceLastFrame_;
    QRect roll_;
    bool stop_ = false;
};
