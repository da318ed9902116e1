// The send page: the finished document as an e-mail, sent with our small SMTP client
// through the server the applicant names; "Selesai" deletes the work files and ends.
#pragma once

#include "smtp_dialogue.h"
#include "smtp_reply.h"
#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "ui/skin_window.h"
#include "ui/ticker_strip.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTcpSocket>
#include <QTimer>
#include <chrono>
#include <memory>

class WindowSet;

class frmMail : public SkinWindow {
    Q_OBJECT
public:
    explicit frmMail(WindowSet &windows);
    ~frmMail() override;

    // The page's scrolling hints: sizes and texts, in twips.
    static TickerDesign hintDesign();

    // Skins the controls, replays the entrance and fills the five fields from the work files.
    void Form_Activate() override;
    void SkinButton1_Click(); // "Kirimkan"
    void SkinButton2_Click(); // "Selesai"

    // Starts sending one message; its end is told by sendFinished. Returns false, with the
    // error dialog shown and nothing sent, when a send is still under way.
    bool SendEmail(const QString &server, const QString &fromName, const QString &fromAddress,
                   const QString &toAddress, const QString &subject, const QString &body);
    // Waits for a whole reply with this code; a reply already in is taken at once.
    void WaitFor(const QByteArray &code);
    // Takes what the server sent and hands complete replies to the wait.
    void Winsock1_DataArrival();

    // The server's port: 25, other ones for tests.
    void setServerPort(quint16 port) { serverPort_ = port; }
    // How long a wait lasts without the awaited reply: 50 seconds, shorter in tests.
    void setReplyTimeout(std::chrono::milliseconds timeout) { replyTimeout_ = timeout; }

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
    QTcpSocket *Winsock1 = nullptr;

signals:
    // A send has ended: completed, or failed with the error dialog shown.
    void sendFinished(bool completed);

protected:
    void closeRequested() override;

private:
    void placeControls();
    void fillFromWorkFiles();
    void showStatus(const QString &text);
    void showSendResult(bool completed);
    // Hands the page's skin to the SMTP error dialog and shows it over the page.
    void showSmtpError();

    // The dialogue runs on the socket's and the timer's signals, never in a loop of its own.
    void runDialogue();
    void takeReplies();
    void connectionLost();
    void finishSend(bool completed);
    void cutOffSend();

    WindowSet &windows_;
    quint16 serverPort_ = 25;
    std::chrono::milliseconds replyTimeout_{std::chrono::seconds(50)};
    std::unique_ptr<SmtpDialogue> dialogue_; // set while a send is under way
    SmtpReplyReader replies_;
    QByteArray awaited_; // the code the dialogue waits for; empty between waits
    QTimer replyTimer_;
};
