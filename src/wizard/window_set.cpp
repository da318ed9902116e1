#include "window_set.h"

#include "contact_page.h"
#include "domain_message_box.h"
#include "extras/about_box.h"
#include "extras/credits_roll.h"
#include "information_viewer.h"
#include "mail/send_page.h"
#include "mail/smtp_error_dialog.h"
#include "main_window.h"
#include "work_file_error_dialog.h"

#include <QCoreApplication>

WindowSet::WindowSet(StartupOptions startup)
    : options(startup), frmMain([this] {
          auto *window = new ::frmMain(*this);
          window->Form_Load();
          return window;
      }),
      FormMessageBox([this] { return new ::FormMessageBox(*this); }),
      Form2([this] { return new ::Form2(*this); }), Form13([this] { return new ::Form13(*this); }),
      WorkFileErrorDialog([] { return new ::WorkFileErrorDialog(); }),
      frmMail([this] { return new ::frmMail(*this); }),
      Form1([this] { return new ::Form1(*this); }),
      frmAbout([this] { return new ::frmAbout(*this); }),
      FormCredits([this] { return new ::FormCredits(*this); }) {}

WindowSet::~WindowSet() = default;

void WindowSet::End() {
    emit ended();
    Form1.unload();
    frmMail.unload();
    FormCredits.unload();
    frmAbout.unload();
    WorkFileErrorDialog.unload();
    Form13.unload();
    FormMessageBox.unload();
    Form2.unload();
    frmMain.unload();
    QCoreApplication::quit();
}
