// The program's window set: every window once, made on first reference, with the
// show, hide and unload rules of the wizard and the end of a run.
#pragma once

#include "mail/mail_program.h"
#include "mail/smtp_session.h"
#include "navigation_table.h"
#include "ui/skin_window.h"
#include "window_slot.h"

#include <QObject>
#include <QString>

class frmMain;
class Form2;
class Form4;
class Form5;
class Form6;
class Form7;
class Form12;
class IncompleteDataDialog;
class Form13;
class WorkFileErrorDialog;
class frmMail;
class Form1;
class SmtpLoginDialog;
class MailProgramDialog;
class frmAbout;
class FormCredits;
class Form9;
class Form14;

struct StartupOptions {
    // How long the splash screen stays up while the main window loads.
    int splashMilliseconds = 1800;
    // Where the help topics installed with the program are; empty: beside the program.
    QString helpFolder;
    // How the send page reaches SMTP servers, and how it hands a link to the mail program.
    SmtpSettings smtp;
    UrlOpener openUrl = openWithDesktop;
};

class WindowSet : public QObject {
    Q_OBJECT
public:
    explicit WindowSet(StartupOptions options = {});
    ~WindowSet() override;

    const StartupOptions options;

    WindowSlot<::frmMain> frmMain;
    WindowSlot<IncompleteDataDialog> FormMessageBox;
    WindowSlot<::Form2> Form2;
    WindowSlot<IncompleteDataDialog> Form3;
    WindowSlot<::Form4> Form4;
    WindowSlot<::Form5> Form5;
    WindowSlot<IncompleteDataDialog> Form10;
    WindowSlot<::Form6> Form6;
    WindowSlot<IncompleteDataDialog> Form11;
    WindowSlot<::Form7> Form7;
    WindowSlot<::Form12> Form12;
    WindowSlot<::Form13> Form13;
    WindowSlot<::WorkFileErrorDialog> WorkFileErrorDialog;
    WindowSlot<::frmMail> frmMail;
    WindowSlot<::Form1> Form1;
    WindowSlot<::SmtpLoginDialog> SmtpLoginDialog;
    WindowSlot<::MailProgramDialog> MailProgramDialog;
    WindowSlot<::frmAbout> frmAbout;
    WindowSlot<::FormCredits> FormCredits;
    WindowSlot<::Form9> Form9;
    WindowSlot<::Form14> Form14;

    // Closes every window and stops the program.
    void End();

    // The window by its id, made now if it does not exist; none for WindowId::None.
    SkinWindow *window(WindowId id);
    bool loaded(WindowId id) const;
    // Unloads the window by its id, as its slot's unload does.
    void unload(WindowId id);

    // The main window while it is loaded, for the windows that wear its skin.
    SkinSource mainWindowSkin();

signals:
    void ended();
};
