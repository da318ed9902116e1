// The send page: the finished document as an e-mail, sent with our small SMTP client
// through the server the applicant names; "Selesai" deletes the work files and ends.
#pragma once

#include "mail_program.h"
#include "smtp_dialogue.h"
#include "smtp_reply.h"
#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "ui/skin_window.h"
#include "ui/ticker_strip.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSslSocket>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

class frmMail : public SkinWindow {
    Q_OBJECT
public:
    frmMail();
    ~frmMail() override;

    // The page's scrolling hints: sizes and texts, in twips.
    static TickerDesign hintDesign();

    // Skins the controls, replays the entrance and fills the five fields from the work files.
    void Form_Activate() override;
    void SkinButton1_Click(); // "Kirimkan"
    void SkinButton2_Click(); // "Selesai"
    // "Buka di Program E-mail": the form as it stands goes to the desktop's mail program,
    // where the applicant checks and sends it.
    void SkinButton3_Click();

    // Starts sending one message; its end is told by sendFinished. Returns false, with the
    // error dialog shown and nothing sent, when a send is still under way or the server's
    // port cannot be used. How the server is written decides the way: "host" or "host:25"
    // plain SMTP, "host:587" submission with STARTTLS, "host:465" TLS from the first byte.
    bool SendEmail(const QString &server, const QString &fromName, const QString &fromAddress,
                   const QString &toAddress, const QString &subject, const QString &body);
    // Waits for a whole reply with this code; a reply already in is taken at once.
    void WaitFor(const QByteArray &code);
    // Takes what the server sent and hands complete replies to the wait.
    void Winsock1_DataArrival();

    // The applicant's answer to loginRequired: the send goes on with this login, or ends.
    void logIn(const QString &user, const QString &password);
    void loginCancelled();

    // The server's port when none is typed: 25, other ones for tests.
    void setServerPort(quint16 port) { ports_.plain = port; }
    // Where "host:587" and "host:465" connect: those ports, other ones for tests.
    void setSubmissionPorts(quint16 startTls, quint16 implicitTls) {
        ports_.submission = startTls;
        ports_.implicitTls = implicitTls;
    }
    // Authorities trusted besides the system's, for tests that make their own.
    void addTrustedAuthorities(const QList<QSslCertificate> &authorities) {
        extraAuthorities_ += authorities;
    }
    // How long a wait lasts without the awaited reply: 50 seconds, shorter in tests.
    void setReplyTimeout(std::chrono::milliseconds timeout) { replyTimeout_ = timeout; }
    // How the mail program's link reaches the desktop: QDesktopServices, another way in tests.
    void setUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }
    // Where the Date header's moment comes from: the machine's clock, a fixed one in tests.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

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
    QSslSocket *Winsock1 = nullptr;

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

    // The dialogue runs on the socket's and the timer's signals, never in a loop of its own.
    void runDialogue();
    void takeReplies();
    void connectionLost();
    void startTls();
    void tlsEstablished();
    void askForLogin();
    void finishSend(bool completed, const QString &failure = QString());
    void cutOffSend();

    SmtpPorts ports_;
    QList<QSslCertificate> extraAuthorities_;
    std::chrono::milliseconds replyTimeout_{std::chrono::seconds(50)};
    std::function<QDateTime()> clock_ = [] { return QDateTime::currentDateTime(); };
    UrlOpener openUrl_ = openWithDesktop;
    std::unique_ptr<SmtpDialogue> dialogue_; // set while a send is under way
    SmtpReplyReader replies_;
    SmtpServerAddress server_; // of the send under way
    QString sender_;           // the sender's address, where the login name starts
    QByteArray awaited_;       // the code the dialogue waits for; empty between waits
    bool awaitingHandshake_ = false;
    bool awaitingLogin_ = false;
    QList<QSslError> certificateProblems_;
    QTimer replyTimer_;
};
