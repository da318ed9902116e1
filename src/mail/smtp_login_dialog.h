// Dialog of the send page: the server asks for a login. Opens once per send, modal to the
// page; the password is handed on for this send only and kept nowhere.
#pragma once

#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "ui/skin_window.h"

#include <QLabel>
#include <QLineEdit>

class SmtpLoginDialog : public SkinWindow {
    Q_OBJECT
public:
    SmtpLoginDialog();

    // Asks over `page` for the login to `host`, the user name filled in as `user`.
    void ask(SkinWindow *page, const QString &host, const QString &user);

    void Form_Activate() override;
    void SkinButton1_Click(); // "Baiklah.."
    void SkinButton2_Click(); // "Batal"

    bool isDialog() const override { return true; }

    QLabel *Image1 = nullptr;
    SkinLabel *SkinLabel1 = nullptr; // which server asks
    SkinLabel *SkinLabel2 = nullptr; // "Nama Pengguna"
    SkinLabel *SkinLabel3 = nullptr;
    QLineEdit *Text1 = nullptr;
    SkinLabel *SkinLabel4 = nullptr; // "Kata Sandi"
    SkinLabel *SkinLabel5 = nullptr;
    QLineEdit *Text2 = nullptr; // hidden echo
    SkinButton *SkinButton1 = nullptr;
    SkinButton *SkinButton2 = nullptr;

signals:
    void loginGiven(const QString &user, const QString &password);
    void loginCancelled();

protected:
    void closeRequested() override { SkinButton2_Click(); }
};
