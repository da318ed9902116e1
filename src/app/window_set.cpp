#include "window_set.h"

#include "extras/about_box.h"
#include "extras/credits_roll.h"
#include "extras/gallery_lock.h"
#include "extras/gallery_page.h"
#include "mail/mail_program_dialog.h"
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

namespace {

// The window, just made, with its exits connected to the road.
template <class Window> Window *led(WindowSet &windows, WindowId id, Window *window) {
    navigation::lead(windows, id, window);
    return window;
}

} // namespace

WindowSet::WindowSet(StartupOptions startup)
    : options(startup), frmMain([this] {
          auto *window = led(*this, WindowId::frmMain, new ::frmMain(options.splashMilliseconds));
          window->Form_Load();
          return window;
      }),
      FormMessageBox([this] {
          return led(*this, WindowId::FormMessageBox,
                     new IncompleteDataDialog(IncompleteDataDialog::domain));
      }),
      Form2([this] { return led(*this, WindowId::Form2, new ::Form2(mainWindowSkin())); }),
      Form3([this] {
          return led(*this, WindowId::Form3,
                     new IncompleteDataDialog(IncompleteDataDialog::contacts, mainWindowSkin()));
      }),
      Form4([this] { return led(*this, WindowId::Form4, new ::Form4()); }),
      Form5([this] { return led(*this, WindowId::Form5, new ::Form5()); }), Form10([this] {
          return led(*this, WindowId::Form10,
                     new IncompleteDataDialog(IncompleteDataDialog::nameServers));
      }),
      Form6([this] { return led(*this, WindowId::Form6, new ::Form6()); }), Form11([this] {
          return led(*this, WindowId::Form11,
                     new IncompleteDataDialog(IncompleteDataDialog::mailExchangers));
      }),
      Form7([this] { return led(*this, WindowId::Form7, new ::Form7()); }),
      Form12([this] { return led(*this, WindowId::Form12, new ::Form12()); }),
      Form13([this] { return new ::Form13(mainWindowSkin(), options.helpFolder); }),
      WorkFileErrorDialog([this] {
          return led(*this, WindowId::WorkFileErrorDialog, new ::WorkFileErrorDialog());
      }),
      frmMail([this] {
          return led(*this, WindowId::frmMail, new ::frmMail(options.smtp, options.openUrl));
      }),
      Form1([this] { return led(*this, WindowId::Form1, new ::Form1()); }), SmtpLoginDialog([this] {
          return led(*this, WindowId::SmtpLoginDialog, new ::SmtpLoginDialog());
      }),
      MailProgramDialog(
          [this] { return led(*this, WindowId::MailProgramDialog, new ::MailProgramDialog()); }),
      frmAbout([this] { return led(*this, WindowId::frmAbout, new ::frmAbout(mainWindowSkin())); }),
      FormCredits([this] {
          return led(*this, WindowId::FormCredits, new ::FormCredits(mainWindowSkin()));
      }),
      Form9([this] { return led(*this, WindowId::Form9, new ::Form9()); }),
      Form14([this] { return led(*this, WindowId::Form14, new ::Form14()); }) {}

SkinSource WindowSet::mainWindowSkin() {
    return [this]() -> const SkinWindow * { return frmMain.loaded() ? frmMain.get() : nullptr; };
}

WindowSet::~WindowSet() = default;

namespace {

// Calls `visit` with the slot that holds the window of that id; does nothing for None.
template <class Windows, class Visit> void visitSlot(Windows &windows, WindowId id, Visit visit) {
    switch (id) {
    case WindowId::None:
    case WindowId::Owner:
        return;
    case WindowId::frmMain:
        return visit(windows.frmMain);
    case WindowId::FormMessageBox:
        return visit(windows.FormMessageBox);
    case WindowId::Form2:
        return visit(windows.Form2);
    case WindowId::Form3:
        return visit(windows.Form3);
    case WindowId::Form4:
        return visit(windows.Form4);
    case WindowId::Form5:
        return visit(windows.Form5);
    case WindowId::Form10:
        return visit(windows.Form10);
    case WindowId::Form6:
        return visit(windows.Form6);
    case WindowId::Form11:
        return visit(windows.Form11);
    case WindowId::Form7:
        return visit(windows.Form7);
    case WindowId::Form12:
        return visit(windows.Form12);
    case WindowId::Form13:
        return visit(windows.Form13);
    case WindowId::WorkFileErrorDialog:
        return visit(windows.WorkFileErrorDialog);
    case WindowId::frmMail:
        return visit(windows.frmMail);
    case WindowId::Form1:
        return visit(windows.Form1);
    case WindowId::SmtpLoginDialog:
        return visit(windows.SmtpLoginDialog);
    case WindowId::MailProgramDialog:
        return visit(windows.MailProgramDialog);
    case WindowId::frmAbout:
        return visit(windows.frmAbout);
    case WindowId::FormCredits:
        return visit(windows.FormCredits);
    case WindowId::Form9:
        return visit(windows.Form9);
    case WindowId::Form14:
        return visit(windows.Form14);
    }
}

} // namespace

SkinWindow *WindowSet::window(WindowId id) {
    SkinWindow *found = nullptr;
    visitSlot(*this, id, [&found](auto &slot) { found = slot.get(); });
    return found;
}

bool WindowSet::loaded(WindowId id) const {
    bool isLoaded = false;
    visitSlot(*this, id, [&isLoaded](const auto &slot) { isLoaded = slot.loaded(); });
    return isLoaded;
}

void WindowSet::unload(WindowId id) {
    visitSlot(*this, id, [](auto &slot) { slot.unload(); });
}

void WindowSet::End() {
    emit ended();
    SmtpLoginDialog.unload();
    MailProgramDialog.unload();
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
