// The send page: the finished document as an e-mail, sent with our small SMTP client
// through the server the applicant names; "Selesai" deletes the work files and ends.
#pragma once

#include "mail_program.h"
#include "smtp_session.h"
#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "ui/skin_window.h"
#include "ui/ticker_strip.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>

class frmMail : public SkinWindow {
    Q_OBJECT
public:
    // Sends through servers the way the settings say, and hands links to the mail program
    // through `openUrl`.
    explicit frmMail(SmtpSettings settings = {}, UrlOpener openUrl = openWithDesktop);

    // The page's scrolling hints: sizes and texts, in twips.
    static TickerDesign hintDesign();

    // Skins the controls, replays the entrance and fills the five fields from the work files.
    void Form_Activate() override;
    void SkinButton1_Click(); // "Kirimkan"
    void SkinButton2_Click(); // "Selesai"
    // "Buka di Program E-mail": the form as it stands goes to the desktop's mail program,
    // where the applicant checks and sends it.
    void SkinButton3_Click();

    // The applicant's answer to loginRequired: the send goes on with this login, or ends.
    void logIn(const QString &user, const QString &password);
    void loginCancelled();

    SkinLabel *SkinLabel1 = nullptr; // "From"
    SkinLabel *SkinLabel2 = nullptr; // ":"
    QLineEdit *txtFromEmailAddress = nullptr;
    SkinLabel *SkinLabel3 = nullptr; // "Your Name"
    SkinLabel *SkinLabel4 = nullptr;
    QLineEdit *txtFromName = nullptr;
    SkinLabel *SkinLabel5 = nullptr; // "To"
    SkinLabel *SkinLabel6 = nullptr;
    QLineEdit *txtToEmailAddress = nullptr;
    SkinLabel *SkinLabel7 = nullptr; // "SMTP Server"
    SkinLabel *SkinLabel8 = nullptr;
    QLineEdit *txtEmailServer = nullptr;
    SkinLabel *SkinLabel9 = nullptr; // "Subject"
    SkinLabel *SkinLabel10 = nullptr;
    QLineEdit *txtEmailSubject = nullptr;
    QLineEdit *ToNametxt = nullptr;  // hidden, so always empty
    TickerStrip *Picture1 = nullptr; // the hints, moved by its Timer1
    QPlainTextEdit *txtEmailBodyOfMessage = nullptr;
    QGroupBox *Frame1 = nullptr; // "Status :", hidden until the first send
    SkinLabel *StatusTxt = nullptr;
    SkinButton *SkinButton1 = nullptr;
    SkinButton *SkinButton2 = nullptr;
    SkinButton *SkinButton3 = nullptr; // "Buka di Program E-mail"

signals:
    // A send has ended: completed, failed with the error dialog shown, or given up by the
    // applicant at the login.
    void sendFinished(bool completed);
    // "Selesai" after deleting the work files, or the close control: the run ends.
    void endRequested();
    // The SMTP error dialog is to come up over the page in its skin, with this line.
    void smtpErrorRaised(const QString &detail);
    // The server wants a login: the applicant is to be asked for it over the page.
    void loginRequired(const QString &host, const QString &user);
    // The send the login was asked for has ended: the question goes with it.
    void loginWithdrawn();
    // The desktop has no mail program for the form, or did not take it.
    void mailProgramMissing();

protected:
    void closeRequested() override;

private:
    void placeControls();
    void fillFromWorkFiles();
    void showStatus(const QString &text);
    // Raises the SMTP error dialog with the line that says what went wrong.
    void showSmtpError(const QString &detail);
    // The session's end: the status line says it was sent, or the error dialog says why not.
    void sendEnded(bool completed, const QString &reason);
    // Ends the send under way without a word, and the login question with it.
    void cutOffSend();

    SmtpSession *const session_;
    const UrlOpener openUrl_;
};
