// The code-name-and-password window on the way into the hidden gallery: a playful lock
// that opens the picture page, not a protection of anything.
#pragma once

#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "ui/skin_window.h"

#include <QLineEdit>

class Form9 : public SkinWindow {
    Q_OBJECT
public:
    Form9();

    // Both boxes must hold these exactly: whole text, same case, nothing trimmed.
    static constexpr const char *codeName = "melor";
    static constexpr const char *password = "mira4706";

    void Form_Activate() override;
    void Text1_Change();      // the code name box
    void Text2_Change();      // the password box
    void SkinButton1_Click(); // "Enter Security Devices.."

    SkinLabel *const SkinLabel1; // "Code Name :"
    QLineEdit *const Text1;
    SkinLabel *const SkinLabel2; // "Password  :"
    QLineEdit *const Text2;
    SkinLabel *const SkinLabel3; // the refusal, shown by a wrong code name
    SkinButton *const SkinButton1;

    // Modal to the declaration page while it is open.
    bool isDialog() const override { return true; }

signals:
    void unlocked();  // the button: on into the gallery
    void dismissed(); // closed: back to the declaration page

protected:
    // Closed through the window manager: back to the declaration page, as the gallery's
    // own way out does (the button here would open the gallery).
    void closeRequested() override;

private:
    bool bothMatch() const;
};
