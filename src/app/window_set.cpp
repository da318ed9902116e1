#include "window_set.h"

#include "extras/about_box.h"
#include "extras/credits_roll.h"
#include "extras/gallery_lock.h"
#include "extras/gallery_page.h"
#include "mail/send_page.h"
#include "mail/smtp_error_dialog.h"
#include "mail/smtp_login_dialog.h"
#include "navigation.h"
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

#include <QCoreApplication>

WindowSet::WindowSet(StartupOptions startup)
    : options(startup), frmMain([this] {
          auto *window = navigation::lead(*this, new ::frmMain(options.splashMilliseconds));
          window->Form_Load();
          return window;
      }),
      FormMessageBox([this] {
          return navigation::leadBackToPageOne(
              *this, new IncompleteDataDialog(IncompleteDataDialog::domain));
      }),
      Form2([this] { return navigation::lead(*this, new ::Form2(mainWindowSkin())); }),
      Form3([this] {
          return navigation::leadBackToContacts(
              *this, new IncompleteDataDialog(IncompleteDataDialog::contacts, mainWindowSkin()));
      }),
      Form4([this] { return navigation::lead(*this, new ::Form4()); }),
      Form5([this] { return navigation::lead(*this, new ::Form5()); }), Form10([this] {
          return navigation::leadBackToNameServers(
              *this, new IncompleteDataDialog(IncompleteDataDialog::nameServers));
      }),
      Form6([this] { return navigation::lead(*this, new ::Form6()); }), Form11([this] {
          return navigation::leadBackToMailExchangers(
              *this, new IncompleteDataDialog(IncompleteDataDialog::mailExchangers));
      }),
      Form7([this] { return navigation::lead(*this, new ::Form7()); }),
      Form12([this] { return navigation::lead(*this, new ::Form12()); }),
      Form13([this] { return new ::Form13(mainWindowSkin(), options.helpFolder); }),
      WorkFileErrorDialog([] { return new ::WorkFileErrorDialog(); }),
      frmMail([this] { return navigation::lead(*this, new ::frmMail()); }),
      Form1([this] { return navigation::lead(*this, new ::Form1()); }),
      SmtpLoginDialog([this] { return navigation::lead(*this, new ::SmtpLoginDialog()); }),
      frmAbout([this] { return navigation::lead(*this, new ::frmAbout(mainWindowSkin())); }),
      FormCredits([this] { return navigation::lead(*this, new ::FormCredits(mainWindowSkin())); }),
      Form9([this] { return navigation::lead(*this, new ::Form9()); }),
      Form14([this] { return navigation::lead(*this, new ::Form14()); }) {}

SkinSource WindowSet::mainWindowSkin() {
    return [this]() -> const SkinWindow * { return frmMain.loaded() ? frmMain.get() : nullptr; };
}

WindowSet::~WindowSet() = default;

void WindowSet::End() {
    emit ended();
    SmtpLoginDialog.unload();
    Form1.unload();
    frmMail.unload();
    FormCredits.unload();
    frmAbout.unload();
    WorkFileErrorDialog.unload();
    Form14.unload();
    Form9.unload();
    Form12.unload();
    Form7.unload();
    Form11.unload();
    Form6.unload();
    Form10.unload();
    Form5.unload();
    Form4.unload();
    Form3.unload();
    Form13.unload();
    FormMessageBox.unload();
    Form2.unload();
    frmMain.unload();
    QCoreApplication::quit();
}
