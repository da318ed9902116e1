#include "navigation.h"

#include "extras/about_box.h"
#include "extras/credits_roll.h"
#include "extras/gallery_lock.h"
#include "extras/gallery_page.h"
#include "mail/send_page.h"
#include "mail/smtp_error_dialog.h"
#include "mail/smtp_login_dialog.h"
#include "ui/page_controls.h"
#include "window_set.h"
#include "wizard/contact_page.h"
#include "wizard/declaration_message_box.h"
#include "wizard/declaration_page.h"
#include "wizard/incomplete_data_dialog.h"
#include "wizard/information_viewer.h"
#include "wizard/mail_exchanger_page.h"
#include "wizard/main_window.h"
#include "wizard/name_server_page.h"
#include "wizard/record_choice_page.h"
#include "wizard/work_file_error_dialog.h"

namespace navigation {

namespace {

// Hands the page's skin to the window, then shows it.
void showInSkin(SkinWindow *page, SkinWindow *window) {
    handSkinOver(page, window);
    window->Show();
}

// What every page after page I does alike: a work file that fails is reported over the
// page; "Informasi" opens the viewer in the page's skin; the close control ends the run.
void leadPage(WindowSet &windows, WizardPage *page) {
    QObject::connect(page, &WizardPage::workFileFailed, page,
                     [&windows, page](const QString &message) {
                         windows.WorkFileErrorDialog.get()->showFor(page, message);
                     });
    QObject::connect(page, &WizardPage::informationRequested, page,
                     [&windows, page] { showInSkin(page, windows.Form13.get()); });
    QObject::connect(page, &WizardPage::endRequested, page, [&windows] { windows.End(); });
}

} // namespace

frmMain *lead(WindowSet &windows, frmMain *page) {
    QObject::connect(page, &frmMain::incomplete, page,
                     [&windows, page] { showOverInSkin(windows.FormMessageBox.get(), page); });
    QObject::connect(page, &frmMain::workFileFailed, page,
                     [&windows, page](const QString &message) {
                         windows.WorkFileErrorDialog.get()->showFor(page, message);
                     });
    // Page II wears the main window's skin from its load; page I stays, hidden.
    QObject::connect(page, &frmMain::completed, page, [&windows, page] {
        windows.Form2.get()->Show();
        page->hide();
    });
    QObject::connect(page, &frmMain::informationRequested, page,
                     [&windows, page] { showInSkin(page, windows.Form13.get()); });
    QObject::connect(page, &frmMain::aboutRequested, page,
                     [&windows, page] { windows.frmAbout.get()->showOver(page); });
    QObject::connect(page, &frmMain::endRequested, page, [&windows] { windows.End(); });
    return page;
}

IncompleteDataDialog *leadBackToPageOne(WindowSet &windows, IncompleteDataDialog *dialog) {
    QObject::connect(dialog, &IncompleteDataDialog::dismissed, dialog, [&windows, dialog] {
        windows.frmMain.get()->Show();
        dialog->hide();
    });
    return dialog;
}

Form2 *lead(WindowSet &windows, Form2 *page) {
    leadPage(windows, page);
    // The dialog wears the main window's skin, which it takes itself as it comes up.
    QObject::connect(page, &Form2::incomplete, page,
                     [&windows, page] { windows.Form3.get()->showOver(page); });
    QObject::connect(page, &Form2::completed, page, [&windows, page] {
        showInSkin(page, windows.Form4.get());
        page->hide();
    });
    return page;
}

IncompleteDataDialog *leadBackToContacts(WindowSet &windows, IncompleteDataDialog *dialog) {
    QObject::connect(dialog, &IncompleteDataDialog::dismissed, dialog, [&windows, dialog] {
        dialog->hide();
        windows.Form2.get()->Show();
    });
    return dialog;
}

Form4 *lead(WindowSet &windows, Form4 *page) {
    leadPage(windows, page);
    QObject::connect(page, &Form4::nameServersChosen, page, [&windows, page] {
        showInSkin(page, windows.Form5.get());
        windows.Form4.unload();
    });
    QObject::connect(page, &Form4::mailExchangersChosen, page, [&windows, page] {
        showInSkin(page, windows.Form6.get());
        windows.Form4.unload();
    });
    return page;
}

Form5 *lead(WindowSet &windows, Form5 *page) {
    leadPage(windows, page);
    QObject::connect(page, &Form5::incomplete, page,
                     [&windows, page] { showOverInSkin(windows.Form10.get(), page); });
    QObject::connect(page, &Form5::completed, page, [&windows, page] {
        showInSkin(page, windows.Form7.get());
        windows.Form5.unload();
    });
    return page;
}

IncompleteDataDialog *leadBackToNameServers(WindowSet &windows, IncompleteDataDialog *dialog) {
    QObject::connect(dialog, &IncompleteDataDialog::dismissed, dialog, [&windows, dialog] {
        windows.Form5.get()->returnFrom(dialog);
        windows.Form10.unload();
    });
    return dialog;
}

Form6 *lead(WindowSet &windows, Form6 *page) {
    leadPage(windows, page);
    QObject::connect(page, &Form6::incomplete, page,
                     [&windows, page] { showOverInSkin(windows.Form11.get(), page); });
    QObject::connect(page, &Form6::completed, page, [&windows, page] {
        showInSkin(page, windows.Form7.get());
        windows.Form6.unload();
    });
    return page;
}

IncompleteDataDialog *leadBackToMailExchangers(WindowSet &windows, IncompleteDataDialog *dialog) {
    QObject::connect(dialog, &IncompleteDataDialog::dismissed, dialog, [&windows, dialog] {
        windows.Form6.get()->returnFrom(dialog);
        windows.Form11.unload();
    });
    return dialog;
}

Form7 *lead(WindowSet &windows, Form7 *page) {
    QObject::connect(page, &Form7::workFileFailed, page, [&windows, page](const QString &message) {
        windows.WorkFileErrorDialog.get()->showFor(page, message);
    });
    // The viewer takes the main window's skin itself as it comes up.
    QObject::connect(page, &Form7::informationRequested, page,
                     [&windows] { windows.Form13.get()->Show(); });
    QObject::connect(page, &Form7::endRequested, page, [&windows] { windows.End(); });
    QObject::connect(page, &Form7::incomplete, page,
                     [&windows, page] { showOverInSkin(windows.Form12.get(), page); });
    QObject::connect(page, &Form7::completed, page, [&windows, page] {
        showInSkin(page, windows.frmMail.get());
        windows.Form7.unload();
    });
    return page;
}

Form12 *lead(WindowSet &windows, Form12 *dialog) {
    QObject::connect(dialog, &Form12::dismissed, dialog, [&windows, dialog] {
        windows.Form12.unload();
        windows.Form7.get()->returnFrom(dialog);
    });
    QObject::connect(dialog, &Form12::galleryRequested, dialog, [&windows, dialog] {
        ::Form9 *lock = windows.Form9.get();
        handSkinOver(dialog, lock);
        windows.Form12.unload();
        lock->showOver(windows.Form7.get());
    });
    return dialog;
}

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
