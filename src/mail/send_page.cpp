#include "send_page.h"

#include "document/work_files.h"
#include "mailto_url.h"
#include "smtp_failure.h"
#include "ui/entrance_effects.h"
#include "ui/page_controls.h"
#include "ui/twips.h"
#include "ui/typed_text.h"

#include <QFontDatabase>
#include <QSslConfiguration>

namespace {

constexpr int pageWidth = 9000;
constexpr int pageHeight = 6540;
constexpr int rowHeight = 285;

const QString sentText = QStringLiteral(
    "Formulir sudah terkirim!. Mohon agar *TIDAK* mengirim formulir yang sama berkali-kali.");
const QString handedOverText =
    QStringLiteral("Formulir sudah dibuka di program e-mail anda!. Periksalah formulir tersebut, "
                   "lalu kirimkan dari program e-mail itu.");

// The fields' font: Courier New where it is installed, else the system's fixed-pitch font.
QFont fieldFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("DejaVu Sans Mono"), font.family()});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(9);
    return font;
}

QLineEdit *makeField(const char *name, const QString &accessibleName, QWidget *parent) {
    QLineEdit *field = pageField(QLatin1String(name), accessibleName, parent);
    field->setFont(fieldFont());
    return field;
}

// The whole work file as text; a missing or unreadable file gives an empty field.
QString workFileTextOrNothing(WorkFile file) {
    try {
        return readWorkFileText(file);
    } catch (const WorkFileError &) {
        return QString();
    }
}

} // namespace

frmMail::frmMail() : SkinWindow(QStringLiteral("Velda")), Winsock1(new QSslSocket(this)) {
    setObjectName(QStringLiteral("frmMail"));
    Winsock1->setObjectName(QStringLiteral("Winsock1"));

    // Made in the page's order, so that Tab walks them the same way.
    SkinLabel1 = pageLabel(QStringLiteral("SkinLabel1"), QStringLiteral("From"), this);
    SkinLabel2 = pageLabel(QStringLiteral("SkinLabel2"), QStringLiteral(":"), this);
    txtFromEmailAddress = makeField("txtFromEmailAddress", SkinLabel1->text(), this);
    SkinLabel3 = pageLabel(QStringLiteral("SkinLabel3"), QStringLiteral("Your Name"), this);
    SkinLabel4 = pageLabel(QStringLiteral("SkinLabel4"), QStringLiteral(":"), this);
    txtFromName = makeField("txtFromName", SkinLabel3->text(), this);
    SkinLabel5 = pageLabel(QStringLiteral("SkinLabel5"), QStringLiteral("To"), this);
    SkinLabel6 = pageLabel(QStringLiteral("SkinLabel6"), QStringLiteral(":"), this);
    txtToEmailAddress = makeField("txtToEmailAddress", SkinLabel5->text(), this);
    SkinLabel7 = pageLabel(QStringLiteral("SkinLabel7"), QStringLiteral("SMTP Server"), this);
    SkinLabel8 = pageLabel(QStringLiteral("SkinLabel8"), QStringLiteral(":"), this);
    txtEmailServer = makeField("txtEmailServer", SkinLabel7->text(), this);
    SkinLabel9 = pageLabel(QStringLiteral("SkinLabel9"), QStringLiteral("Subject"), this);
    SkinLabel10 = pageLabel(QStringLiteral("SkinLabel10"), QStringLiteral(":"), this);
    txtEmailSubject = makeField("txtEmailSubject", SkinLabel9->text(), this);
    ToNametxt = makeField("ToNametxt", QStringLiteral("To Name"), this);
    ToNametxt->hide();

    Picture1 = new TickerStrip(hintDesign(), this);

    txtEmailBodyOfMessage = new QPlainTextEdit(this);
    txtEmailBodyOfMessage->setObjectName(QStringLiteral("txtEmailBodyOfMessage"));
    txtEmailBodyOfMessage->setAccessibleName(QStringLiteral("Isi e-mail"));
    txtEmailBodyOfMessage->setFont(fieldFont());
    txtEmailBodyOfMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtEmailBodyOfMessage->setTabChangesFocus(true);

    Frame1 = new QGroupBox(QStringLiteral("Status :"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    StatusTxt = pageLabel(QStringLiteral("StatusTxt"), QString(), Frame1);
    StatusTxt->setWordWrap(true);
    StatusTxt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Frame1->hide();

    SkinButton1 = pageButton(QStringLiteral("SkinButton1"), QStringLiteral("Kirimkan"), this);
    // Made between the two, so that Tab reaches it right after "Kirimkan".
    SkinButton3 =
        pageButton(QStringLiteral("SkinButton3"), QStringLiteral("Buka di Program E-mail"), this);
    SkinButton2 = pageButton(QStringLiteral("SkinButton2"), QStringLiteral("Selesai"), this);

    connect(SkinButton1, &SkinButton::clicked, this, &frmMail::SkinButton1_Click);
    connect(SkinButton2, &SkinButton::clicked, this, &frmMail::SkinButton2_Click);
    connect(SkinButton3, &SkinButton::clicked, this, &frmMail::SkinButton3_Click);

    connect(Winsock1, &QSslSocket::readyRead, this, &frmMail::Winsock1_DataArrival);
    connect(Winsock1, &QSslSocket::errorOccurred, this, &frmMail::connectionLost);
    connect(Winsock1, &QSslSocket::disconnected, this, &frmMail::connectionLost);
    connect(Winsock1, &QSslSocket::encrypted, this, &frmMail::tlsEstablished);
    // Never ignored: a certificate that fails ends the handshake, and these say why.
    connect(Winsock1, &QSslSocket::sslErrors, this,
            [this](const QList<QSslError> &problems) { certificateProblems_ = problems; });
    replyTimer_.setSingleShot(true);
    replyTimer_.setTimerType(Qt::PreciseTimer); // a coarse timer may end a wait early
    connect(&replyTimer_, &QTimer::timeout, this,
            [this] { finishSend(false, silenceLine(replyTimeout_)); });

    placeControls();
}

frmMail::~frmMail() {
    // Only the connection: the window set may be taking its other windows down already.
    dialogue_.reset();
    Winsock1->abort();
}

TickerDesign frmMail::hintDesign() {
    TickerDesign design;
    design.windowWidth = 5775;
    design.windowHeight = 255;
    design.stripWidth = 10935;
    design.stripStart = 4800;
    design.step = 25;
    design.messages = {
        {QStringLiteral("Isilah SMTP dari SMTP ISP/PJI anda terhubung.."), 720},
        {QStringLiteral(" pastikan data SMTP valid dan koneksi Internet sudah aktif!.. "), 4920}};
    return design;
}

void frmMail::placeControls() {
    // Two columns of label, colon and field; the hidden to-name field beside the subject.
    struct Row {
        SkinLabel *label;
        SkinLabel *colon;
        QWidget *field;
    };
    const Row left[] = {{SkinLabel1, SkinLabel2, txtFromEmailAddress},
                        {SkinLabel5, SkinLabel6, txtToEmailAddress},
                        {SkinLabel9, SkinLabel10, txtEmailSubject}};
    const Row right[] = {{SkinLabel3, SkinLabel4, txtFromName},
                         {SkinLabel7, SkinLabel8, txtEmailServer}};
    const int rowTops[] = {240, 600, 960};
    for (int row = 0; row < 3; ++row) {
        placeAt(left[row].label, 240, rowTops[row], 1080, rowHeight);
        placeAt(left[row].colon, 1320, rowTops[row], 120, rowHeight);
        placeAt(left[row].field, 1440, rowTops[row], 3000, rowHeight);
    }
    for (int row = 0; row < 2; ++row) {
        placeAt(right[row].label, 4680, rowTops[row], 1200, rowHeight);
        placeAt(right[row].colon, 5880, rowTops[row], 120, rowHeight);
        placeAt(right[row].field, 6000, rowTops[row], 2760, rowHeight);
    }
    placeAt(ToNametxt, 6000, 960, 2760, rowHeight);

    Picture1->placeAt(1440, 1380);
    placeAt(txtEmailBodyOfMessage, 240, 1740, 8520, 3360);
    placeAt(Frame1, 240, 5220, 5400, 1080);
    placeAt(StatusTxt, 120, 300, 5160, 720);
    // Beside the status box: "Kirimkan" and "Selesai", the mail program's button under both.
    placeAt(SkinButton1, 5880, 5340, 1335, 405);
    placeAt(SkinButton2, 7425, 5340, 1335, 405);
    placeAt(SkinButton3, 5880, 5820, 2880, 405);
    setFixedSize(twipsRect(0, 0, pageWidth, pageHeight, this).size());
}

void frmMail::Form_Activate() {
    applySkinToOwnControls(this);
    StatusTxt->ApplySkin(SkinForm1); // inside Frame1, not the page's own child
    slideIn(SkinButton1, 830);
    slideIn(SkinButton2, -330);
    slideIn(SkinButton3, 830);
    fillFromWorkFiles();
}

void frmMail::fillFromWorkFiles() {
    txtEmailBodyOfMessage->setPlainText(workFileTextOrNothing(WorkFile::Document));
    txtEmailSubject->setText(workFileTextOrNothing(WorkFile::Subject));
    txtToEmailAddress->setText(workFileTextOrNothing(WorkFile::Recipient));
    txtFromEmailAddress->setText(workFileTextOrNothing(WorkFile::SenderAddress));
    txtFromName->setText(workFileTextOrNothing(WorkFile::SenderName));
}

void frmMail::SkinButton1_Click() {
    Frame1->show();
    SendEmail(txtEmailServer->text(), txtFromName->text(), txtFromEmailAddress->text(),
              txtToEmailAddress->text(), txtEmailSubject->text(), typedText(txtEmailBodyOfMessage));
}

void frmMail::SkinButton2_Click() {
    removeAllWorkFiles();
    cutOffSend();
    emit endRequested();
}

void frmMail::SkinButton3_Click() {
    const QUrl link = mailtoUrl(txtToEmailAddress->text(), txtEmailSubject->text(),
                                typedText(txtEmailBodyOfMessage));
    if (mailtoHandler().isEmpty() || !openUrl_(link)) {
        emit mailProgramMissing();
        return;
    }
    Frame1->show();
    showStatus(handedOverText);
}

void frmMail::closeRequested() {
    cutOffSend();
    emit endRequested();
}

void frmMail::showStatus(const QString &text) {
    StatusTxt->setText(text);
    StatusTxt->repaint();
}

bool frmMail::SendEmail(const QString &server, const QString &fromName, const QString &fromAddress,
                        const QString &toAddress, const QString &subject, const QString &body) {
    if (Winsock1->state() != QAbstractSocket::UnconnectedState) {
        showSmtpError(sendUnderWayLine());
        return false;
    }
    QString problem;
    const std::optional<SmtpServerAddress> address = parseSmtpServer(server, ports_, &problem);
    if (address && address->security != SmtpSecurity::None && !QSslSocket::supportsSsl())
        problem = noTlsHereLine();
    if (!problem.isEmpty()) {
        showSmtpError(problem);
        return false;
    }
    server_ = *address;
    sender_ = fromAddress;
    certificateProblems_.clear();
    const MailFields mail{fromName, fromAddress, ToNametxt->text(), toAddress, subject, body};
    dialogue_ = std::make_unique<SmtpDialogue>(mail, clock_(), server_.security);
    replies_.clear();
    runDialogue(); // the first step waits for the greeting

    if (server_.security == SmtpSecurity::None) {
        Winsock1->connectToHost(server_.host, server_.port);
        return true;
    }
    // The system's authorities vouch for the server, and its certificate must name the host
    // as typed; there is no way around a certificate that fails.
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    if (!extraAuthorities_.isEmpty())
        tls.setCaCertificates(QSslConfiguration::systemCaCertificates() + extraAuthorities_);
    Winsock1->setSslConfiguration(tls);
    if (server_.security == SmtpSecurity::ImplicitTls)
        Winsock1->connectToHostEncrypted(server_.host, server_.port);
    else
        Winsock1->connectToHost(server_.host, server_.port);
    return true;
}

void frmMail::runDialogue() {
    while (const SmtpStep *step = dialogue_->next()) {
        switch (step->action) {
        case SmtpAction::None:
            break;
        case SmtpAction::RequireStartTls:
            if (!dialogue_->offers("STARTTLS")) {
                finishSend(false, noStartTlsLine());
                return;
            }
            break;
        case SmtpAction::StartTls:
            startTls();
            return;
        case SmtpAction::LogIn:
            // A password goes over TLS or not at all.
            if (Winsock1->isEncrypted() && !dialogue_->loginMechanism().isEmpty()) {
                askForLogin();
                return;
            }
            continue;
        }
        if (!step->send.isEmpty())
            Winsock1->write(step->send);
        if (!step->status.isEmpty())
            showStatus(step->status);
        if (!step->awaited.isEmpty()) {
            WaitFor(step->awaited);
            return;
        }
    }
    finishSend(true);
}

void frmMail::WaitFor(const QByteArray &code) {
    awaited_ = code;
    replyTimer_.start(replyTimeout_);
    takeReplies();
}

void frmMail::Winsock1_DataArrival() {
    replies_.feed(Winsock1->readAll());
    takeReplies();
}

void frmMail::takeReplies() {
    while (!awaited_.isEmpty()) {
        const std::optional<SmtpReply> reply = replies_.take();
        if (!reply)
            return;
        if (reply->code != awaited_) {
            finishSend(false, serverRepliedLine(*reply));
            return;
        }
        awaited_.clear();
        replyTimer_.stop();
        dialogue_->replied(*reply);
        runDialogue();
    }
}

void frmMail::connectionLost() {
    if (!dialogue_)
        return;
    // What the server said before it went is read first: its last reply may still count.
    Winsock1_DataArrival();
    if (dialogue_)
        finishSend(false, connectionFailureLine(Winsock1->error(), Winsock1->errorString(),
                                                server_.host, server_.port, certificateProblems_));
}

void frmMail::startTls() {
    // Whatever came in plain text after the server's go-ahead is not taken as a reply:
    // only what arrives over TLS counts from here on.
    replies_.clear();
    awaitingHandshake_ = true;
    replyTimer_.start(replyTimeout_);
    Winsock1->startClientEncryption();
}

void frmMail::tlsEstablished() {
    if (!dialogue_ || !awaitingHandshake_)
        return; // TLS from the first byte: the greeting is awaited as ever
    awaitingHandshake_ = false;
    replyTimer_.stop();
    runDialogue();
}

void frmMail::askForLogin() {
    awaitingLogin_ = true;
    emit loginRequired(server_.host, sender_);
}

void frmMail::logIn(const QString &user, const QString &password) {
    if (!dialogue_ || !awaitingLogin_)
        return;
    awaitingLogin_ = false;
    dialogue_->logIn(user, password);
    runDialogue();
}

void frmMail::loginCancelled() {
    if (!dialogue_ || !awaitingLogin_)
        return;
    cutOffSend();
    emit sendFinished(false);
}

void frmMail::finishSend(bool completed, const QString &failure) {
    // A form the server has taken is sent, whatever happens at QUIT: telling the applicant
    // otherwise would invite the same form twice.
    completed = completed || (dialogue_ && dialogue_->delivered());
    cutOffSend();
    if (completed)
        showStatus(sentText);
    else
        showSmtpError(failure);
    emit sendFinished(completed);
}

void frmMail::showSmtpError(const QString &detail) {
    emit smtpErrorRaised(detail);
}

void frmMail::cutOffSend() {
    dialogue_.reset();
    awaited_.clear();
    awaitingHandshake_ = false;
    awaitingLogin_ = false;
    replyTimer_.stop();
    replies_.clear();
    Winsock1->abort();
    emit loginWithdrawn();
}
