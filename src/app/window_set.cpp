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
      WorkFileErrorDialog([] { return new ::WorkFileErrorDialog(); }),
      frmMail([this] { return led(*this, WindowId::frmMail, new ::frmMail()); }),
      Form1([this] { return led(*this, WindowId::Form1, new ::Form1()); }), SmtpLoginDialog([this] {
          return led(*this, WindowId::SmtpLoginDialog, new ::SmtpLoginDialog());
      }),
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

SkinWindow *WindowSet::window(WindowId id) {
    switch (id) {
    case WindowId::None:
        return nullptr;
    case WindowId::frmMain:
        return frmMain.get();
    case WindowId::FormMessageBox:
        return FormMessageBox.get();
    case WindowId::Form2:
        return Form2.get();
    case WindowId::Form3:
        return Form3.get();
    case WindowId::Form4:
        return Form4.get();
    case WindowId::Form5:
        return Form5.get();
    case WindowId::Form10:
        return Form10.get();
    case WindowId::Form6:
        return Form6.get();
    case WindowId::Form11:
        return Form11.get();
    case WindowId::Form7:
        return Form7.get();
    case WindowId::Form12:
        return Form12.get();
    case WindowId::Form13:
        return Form13.get();
    case WindowId::WorkFileErrorDialog:
        return WorkFileErrorDialog.get();
    case WindowId::frmMail:
        return frmMail.get();
    case WindowId::Form1:
        return Form1.get();
    case WindowId::SmtpLoginDialog:
        return SmtpLoginDialog.get();
    case WindowId::frmAbout:
        return frmAbout.get();
    case WindowId::FormCredits:
        return FormCredits.get();
    case WindowId::Form9:
        return Form9.get();
    case WindowId::Form14:
        return Form14.get();
    }
    return nullptr;
}

void WindowSet::unload(WindowId id) {
    const auto unloadIn = [id](auto &slot, WindowId slotId) {
        if (slotId == id)
            slot.unload();
    };
    unloadIn(frmMain, WindowId::frmMain);
    unloadIn(FormMessageBox, WindowId::FormMessageBox);
    unloadIn(Form2, WindowId::Form2);
    unloadIn(Form3, WindowId::Form3);
    unloadIn(Form4, WindowId::Form4);
    unloadIn(Form5, WindowId::Form5);
    unloadIn(Form10, WindowId::Form10);
    unloadIn(Form6, WindowId::Form6);
    unloadIn(Form11, WindowId::Form11);
    unloadIn(Form7, WindowId::Form7);
    unloadIn(Form12, WindowId::Form12);
    unloadIn(Form13, WindowId::Form13);
    unloadIn(WorkFileErrorDialog, WindowId::WorkFileErrorDialog);
    unloadIn(frmMail, WindowId::frmMail);
    unloadIn(Form1, WindowId::Form1);
    unloadIn(SmtpLoginDialog, WindowId::SmtpLoginDialog);
    unloadIn(frmAbout, WindowId::frmAbout);
    unloadIn(FormCredits, WindowId::FormCredits);
    unloadIn(Form9, WindowId::Form9);
    unloadIn(Form14, WindowId::Form14);
}

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
