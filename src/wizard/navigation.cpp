#include "navigation.h"

#include "declaration_page.h"
#include "extras/about_box.h"
#include "extras/credits_roll.h"
#include "extras/gallery_lock.h"
#include "extras/gallery_page.h"
#include "mail/send_page.h"
#include "mail/smtp_error_dialog.h"
#include "mail/smtp_login_dialog.h"
#include "main_window.h"
#include "ui/page_controls.h"
#include "window_set.h"

namespace navigation {

frmMail *lead(WindowSet &windows, frmMail *page) {
    QObject::connect(page, &frmMail::endRequested, page, [&windows] { windows.End(); });
    QObject::connect(page, &frmMail::smtpErrorRaised, page,
                     [&windows, page](const QString &detail) {
                         ::Form1 *dialog = windows.Form1.get();
                         handSkinOver(page, dialog);
                         dialog->setDetail(detail);
                         dialog->showOver(page);
                     });
    QObject::connect(page, &frmMail::loginRequired, page,
                     [&windows, page](const QString &host, const QString &user) {
                         windows.SmtpLoginDialog.get()->ask(page, host, user);
                     });
    QObject::connect(page, &frmMail::loginWithdrawn, page,
                     [&windows] { windows.SmtpLoginDialog.unload(); });
    return page;
}

Form1 *lead(WindowSet &windows, Form1 *dialog) {
    QObject::connect(dialog, &Form1::dismissed, dialog, [&windows, dialog] {
        ::frmMail *page = windows.frmMail.get();
        handSkinOver(dialog, page);
        page->Show();
        windows.Form1.unload();
    });
    return dialog;
}

SmtpLoginDialog *lead(WindowSet &windows, SmtpLoginDialog *dialog) {
    // The question goes before the send goes on, so that a second one can come up.
    QObject::connect(dialog, &SmtpLoginDialog::loginGiven, dialog,
                     [&windows](const QString &user, const QString &password) {
                         windows.SmtpLoginDialog.unload();
                         if (windows.frmMail.loaded())
                             windows.frmMail.get()->logIn(user, password);
                     });
    QObject::connect(dialog, &SmtpLoginDialog::loginCancelled, dialog, [&windows] {
        windows.SmtpLoginDialog.unload();
        if (windows.frmMail.loaded())
            windows.frmMail.get()->loginCancelled();
    });
    return dialog;
}

frmAbout *lead(WindowSet &windows, frmAbout *about) {
    QObject::connect(about, &frmAbout::dismissed, about, [&windows, about] {
        about->hide();
        windows.frmMain.get()->Show();
    });
    QObject::connect(about, &frmAbout::creditsRequested, about, [&windows, about] {
        about->hide();
        ::FormCredits *credits = windows.FormCredits.get();
        handSkinOver(about, credits);
        credits->showOver(about);
    });
    return about;
}

FormCredits *lead(WindowSet &windows, FormCredits *credits) {
    QObject::connect(credits, &FormCredits::dismissed, credits, [&windows] {
        windows.FormCredits.unload();
        windows.frmAbout.get()->Show();
    });
    QObject::connect(credits, &FormCredits::nothingToRoll, credits,
                     [&windows] { windows.FormCredits.unload(); });
    return credits;
}

Form9 *lead(WindowSet &windows, Form9 *lock) {
    QObject::connect(lock, &Form9::unlocked, lock, [&windows, lock] {
        ::Form14 *gallery = windows.Form14.get();
        handSkinOver(lock, gallery);
        gallery->showOver(windows.Form7.get());
        windows.Form9.unload();
    });
    QObject::connect(lock, &Form9::dismissed, lock, [&windows, lock] {
        windows.Form9.unload();
        windows.Form7.get()->returnFrom(lock);
    });
    return lock;
}

Form14 *lead(WindowSet &windows, Form14 *gallery) {
    QObject::connect(gallery, &Form14::dismissed, gallery, [&windows, gallery] {
        windows.Form14.unload();
        windows.Form7.get()->returnFrom(gallery);
    });
    return gallery;
}

} // namespace navigation
