// The hidden gallery: two pictures with captions that change every two seconds, a code
// that shows the second picture, and a way out that takes three tries.
#pragma once

#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "ui/skin_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

class Form14 : public SkinWindow {
    Q_OBJECT
public:
    Form14();

    // "Show Pic" is usable exactly while the code box holds this (whole text, same case).
    static constexpr const char *pictureCode = "tulo";
    static constexpr int captionCount = 5;
    // The captions each timer cycles through, by counter value.
    static QString mainCaption(int row);   // SkinLabel1, under the first picture
    static QString secondCaption(int row); // SkinLabel3, under the second picture

    void Form_Activate() override;
    void Text1_Change();
    void SkinButton2_Click(); // "Show Pic"
    void SkinButton1_Click(); // "Quit .."
    void SkinButton3_Click(); // "Whoops"
    void SkinButton4_Click(); // "Quit?.."
    void SkinButton5_Click(); // "Ok.. Ok.."
    void Timer1_Timer();
    void Timer2_Timer();

    int counter1() const { return counter1_; }
    int counter2() const { return counter2_; }

    QLabel *const Picture1;
    QLabel *const Picture2;
    SkinLabel *const SkinLabel1;
    SkinLabel *const SkinLabel3;
    SkinLabel *const SkinLabel2; // "Pic's pwd:"
    QLineEdit *const Text1;
    SkinButton *const SkinButton2;
    SkinButton *const SkinButton1;
    SkinButton *const SkinButton3;
    SkinButton *const SkinButton4;
    SkinButton *const SkinButton5;
    QTimer *const Timer1;
    QTimer *const Timer2;

    // Modal to the declaration page while it is open.
    bool isDialog() const override { return true; }

signals:
    void dismissed(); // "Ok.. Ok..": back to the declaration page

protected:
    // Closed through the window manager it does what "Ok.. Ok.." does.
    void closeRequested() override { SkinButton5_Click(); }

private:
    int counter1_ = 0;
    int counter2_ = 0;
};
