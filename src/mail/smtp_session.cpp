#include "smtp_session.h"

#include "document/log_categories.h"
#include "smtp_failure.h"

#include <QSslConfiguration>
#include <QSslSocket>

namespace {

// A step's bytes as the transcript shows them: a command line as it is, the login masked,
// and the message itself by its size.
QByteArray transcriptOf(const SmtpStep &step) {
    if (step.secret)
        return step.send.startsWith("AUTH PLAIN ") ? "AUTH PLAIN ****" : "****";
    if (step.send.endsWith("\r\n") && step.send.count('\n') == 1)
        return step.send.chopped(2);
    return "(" + QByteArray::number(step.send.size()) + " bytes of the message)";
}

} // namespace

SmtpSession::SmtpSession(SmtpSettings settings, QObject *parent)
    : QObject(parent), settings_(std::move(settings)), Winsock1(new QSslSocket(this)) {
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
    connect(Winsock1, &QSslSocket::readyRead, this, &SmtpSession::Winsock1_DataArrival);
    connect(Winsock1, &QSslSocket::errorOccurred, this, &SmtpSession::connectionLost);
    connect(Winsock1, &QSslSocket::disconnected, this, &SmtpSession::connectionLost);
    connect(Winsock1, &QSslSocket::encrypted, this, &SmtpSession::tlsEstablished);
    // Never ignored: a certificate that fails ends the handshake, and these say why.
    connect(Winsock1, &QSslSocket::sslErrors, this,
            [this](const QList<QSslError> &problems) { certificateProblems_ = problems; });
    replyTimer_.setSingleShot(true);
    replyTimer_.setTimerType(Qt::PreciseTimer); // a coarse timer may end a wait early
    connect(&replyTimer_, &QTimer::timeout, this,
            [this] { finish(false, silenceLine(settings_.replyTimeout)); });
}

SmtpSession::~SmtpSession() {
    dialogue_.reset();
    Winsock1->abort();
}

bool SmtpSession::idle() const {
    return !dialogue_ && Winsock1->state() == QAbstractSocket::UnconnectedState;
}

std::optional<QString> SmtpSession::SendEmail(const QString &server, const MailFields &mail) {
    if (Winsock1->state() != QAbstractSocket::UnconnectedState)
        return sendUnderWayLine();
    QString problem;
    const std::optional<SmtpServerAddress> address =
        parseSmtpServer(server, settings_.ports, &problem);
    if (address && address->security != SmtpSecurity::None && !QSslSocket::supportsSsl())
        problem = noTlsHereLine();
    if (!problem.isEmpty())
        return problem;
    server_ = *address;
    sender_ = mail.fromAddress;
    certificateProblems_.clear();
    dialogue_ = std::make_unique<SmtpDialogue>(mail, settings_.clock(), server_.security);
    replies_.clear();
    qCDebug(veldSmtp).noquote() << "connecting to" << server_.host << "port" << server_.port;
    runDialogue(); // the first step waits for the greeting

    if (server_.security == SmtpSecurity::None) {
        Winsock1->connectToHost(server_.host, server_.port);
        return std::nullopt;
    }
    // The system's authorities vouch for the server, and its certificate must name the host
    // as typed; there is no way around a certificate that fails.
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    if (!settings_.extraAuthorities.isEmpty())
        tls.setCaCertificates(QSslConfiguration::systemCaCertificates() +
                              settings_.extraAuthorities);
    Winsock1->setSslConfiguration(tls);
    if (server_.security == SmtpSecurity::ImplicitTls)
        Winsock1->connectToHostEncrypted(server_.host, server_.port);
    else
        Winsock1->connectToHost(server_.host, server_.port);
    return std::nullopt;
}

void SmtpSession::runDialogue() {
    while (SmtpStep *step = dialogue_->next()) {
        switch (step->action) {
        case SmtpAction::None:
            break;
        case SmtpAction::RequireStartTls:
            if (!dialogue_->offers("STARTTLS")) {
                finish(false, noStartTlsLine());
                return;
            }
            break;
        case SmtpAction::StartTls:
            startTls();
            return;
        case SmtpAction::LogIn:
            // A password goes over TLS or not at all.
            if (Winsock1->isEncrypted() && !dialogue_->loginMechanism().isEmpty()) {
                awaitingLogin_ = true;
                emit loginRequired(server_.host, sender_);
                return;
            }
            continue;
        }
        if (!step->send.isEmpty())
            send(*step);
        if (!step->status.isEmpty())
            emit statusChanged(step->status);
        if (!step->awaited.isEmpty()) {
            WaitFor(step->awaited);
            return;
        }
    }
    finish(true);
}

void SmtpSession::send(SmtpStep &step) {
    qCDebug(veldSmtp).noquote() << "C:" << transcriptOf(step);
    Winsock1->write(step.send);
    if (step.secret) // the socket keeps its own copy until it is written
        wipe(step.send);
}

void SmtpSession::WaitFor(const QByteArray &code) {
    awaited_ = code;
    replyTimer_.start(settings_.replyTimeout);
    takeReplies();
}

void SmtpSession::Winsock1_DataArrival() {
    replies_.feed(Winsock1->readAll());
    takeReplies();
}

void SmtpSession::takeReplies() {
    while (!awaited_.isEmpty()) {
        const std::optional<SmtpReply> reply = replies_.take();
        if (!reply)
            return;
        for (const QByteArray &line : reply->lines)
            qCDebug(veldSmtp) << "S:" << line;
        if (reply->code != awaited_) {
            finish(false, serverRepliedLine(*reply));
            return;
        }
        awaited_.clear();
        replyTimer_.stop();
        dialogue_->replied(*reply);
        runDialogue();
    }
}

void SmtpSession::connectionLost() {
    if (!dialogue_)
        return;
    // What the server said before it went is read first: its last reply may still count.
    Winsock1_DataArrival();
    if (dialogue_)
        finish(false, connectionFailureLine(Winsock1->error(), Winsock1->errorString(),
                                            server_.host, server_.port, certificateProblems_));
}

void SmtpSession::startTls() {
    // Whatever came in plain text after the server's go-ahead is not taken as a reply:
    // only what arrives over TLS counts from here on.
    replies_.clear();
    awaitingHandshake_ = true;
    replyTimer_.start(settings_.replyTimeout);
    Winsock1->startClientEncryption();
}

void SmtpSession::tlsEstablished() {
    if (!dialogue_ || !awaitingHandshake_)
        return; // TLS from the first byte: the greeting is awaited as ever
    awaitingHandshake_ = false;
    replyTimer_.stop();
    qCDebug(veldSmtp) << "TLS established";
    runDialogue();
}

void SmtpSession::logIn(const QString &user, const QString &password) {
    if (!dialogue_ || !awaitingLogin_)
        return;
    awaitingLogin_ = false;
    {
        const SmtpSecret secret(user, password);
        dialogue_->logIn(secret);
    }
    runDialogue();
}

void SmtpSession::loginCancelled() {
    if (!dialogue_ || !awaitingLogin_)
        return;
    cutOff();
    emit finished(false, QString());
}

void SmtpSession::finish(bool completed, const QString &failure) {
    // A form the server has taken is sent, whatever happens at QUIT: telling the applicant
    // otherwise would invite the same form twice.
    completed = completed || (dialogue_ && dialogue_->delivered());
    cutOff();
    if (completed)
        qCDebug(veldSmtp) << "sent";
    else
        qCDebug(veldSmtp).noquote() << "failed:" << failure;
    emit finished(completed, completed ? QString() : failure);
}

void SmtpSession::cutOff() {
    dialogue_.reset();
    awaited_.clear();
    awaitingHandshake_ = false;
    awaitingLogin_ = false;
    replyTimer_.stop();
    replies_.clear();
    Winsock1->abort();
}
