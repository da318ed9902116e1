#include "smtp_login_dialog.h"

#include "smtp_secret.h"
#include "ui/entrance_effects.h"
#include "ui/page_controls.h"
#include "ui/pictures.h"
#include "ui/twips.h"

SmtpLoginDialog::SmtpLoginDialog() : SkinWindow(QStringLiteral("Login SMTP")) {
    setObjectName(QStringLiteral("SmtpLoginDialog"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(padlockPicture(twipsRect(0, 0, 720, 720, this).size()));
    Image1->setAccessibleName(QStringLiteral("Gembok"));
    SkinLabel1 = pageLabel(QStringLiteral("SkinLabel1"), QString(), this);
    SkinLabel1->setWordWrap(true);
    SkinLabel2 = pageLabel(QStringLiteral("SkinLabel2"), QStringLiteral("Nama Pengguna"), this);
    SkinLabel3 = pageLabel(QStringLiteral("SkinLabel3"), QStringLiteral(":"), this);
    Text1 = pageField(QStringLiteral("Text1"), SkinLabel2->text(), this);
    SkinLabel4 = pageLabel(QStringLiteral("SkinLabel4"), QStringLiteral("Kata Sandi"), this);
    SkinLabel5 = pageLabel(QStringLiteral("SkinLabel5"), QStringLiteral(":"), this);
    Text2 = pageField(QStringLiteral("Text2"), SkinLabel4->text(), this);
    Text2->setEchoMode(QLineEdit::Password);
    SkinButton1 = pageButton(QStringLiteral("SkinButton1"), QStringLiteral("Baiklah.."), this);
    SkinButton2 = pageButton(QStringLiteral("SkinButton2"), QStringLiteral("Batal"), this);

    placeAt(Image1, 240, 240, 720, 720);
    placeAt(SkinLabel1, 1080, 240, 4200, 600);
    placeAt(SkinLabel2, 1080, 960, 1560, 285);
    placeAt(SkinLabel3, 2640, 960, 120, 285);
    placeAt(Text1, 2760, 960, 2520, 285);
    placeAt(SkinLabel4, 1080, 1380, 1560, 285);
    placeAt(SkinLabel5, 2640, 1380, 120, 285);
    placeAt(Text2, 2760, 1380, 2520, 285);
    placeAt(SkinButton1, 2490, 1920, 1335, 405);
    placeAt(SkinButton2, 3945, 1920, 1335, 405);
    setFixedSize(twipsRect(0, 0, 5520, 2640, this).size());

    connect(SkinButton1, &SkinButton::clicked, this, &SmtpLoginDialog::SkinButton1_Click);
    connect(SkinButton2, &SkinButton::clicked, this, &SmtpLoginDialog::SkinButton2_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &SmtpLoginDialog::SkinButton1_Click);
    connect(Text2, &QLineEdit::returnPressed, this, &SmtpLoginDialog::SkinButton1_Click);
}

void SmtpLoginDialog::ask(SkinWindow *page, const QString &host, const QString &user) {
    SkinLabel1->setText(
        QStringLiteral("Server %1 meminta login. Kata sandi hanya dipakai untuk pengiriman ini "
                       "dan tidak disimpan.")
            .arg(host));
    Text1->setText(user);
    Text2->clear();
    Text2->setFocus();
    handSkinOver(page, this);
    showOver(page);
}

void SmtpLoginDialog::Form_Activate() {
    applySkinToOwnControls(this);
    slideIn(SkinButton1, 830);
    slideIn(SkinButton2, -330);
}

void SmtpLoginDialog::SkinButton1_Click() {
    // The field's own buffer, shared and not copied: wiped in place once the login has
    // been handed on, whoever else shared it. The dialog may be gone by then.
    QString password = Text2->text();
    Text2->clear();
    emit loginGiven(Text1->text(), password);
    wipe(password);
}

void SmtpLoginDialog::SkinButton2_Click() {
    Text2->clear();
    emit loginCancelled();
}
