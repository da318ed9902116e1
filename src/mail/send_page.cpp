#include "send_page.h"

#include "document/log_categories.h"
#include "document/work_files.h"
#include "mailto_url.h"
#include "ui/entrance_effects.h"
#include "ui/page_controls.h"
#include "ui/twips.h"
#include "ui/typed_text.h"

#include <QFontDatabase>

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
    } catch (const WorkFileError &error) {
        qCWarning(veldWork).noquote() << error.message();
        return QString();
    }
}

} // namespace

frmMail::frmMail(SmtpSettings settings, UrlOpener openUrl)
    : SkinWindow(QStringLiteral("Velda")), session_(new SmtpSession(std::move(settings), this)),
      openUrl_(std::move(openUrl)) {
    setObjectName(QStringLiteral("frmMail"));

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

    connect(session_, &SmtpSession::statusChanged, this, &frmMail::showStatus);
    connect(session_, &SmtpSession::loginRequired, this, &frmMail::loginRequired);
    connect(session_, &SmtpSession::finished, this, &frmMail::sendEnded);

    placeControls();
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
    const MailFields mail{txtFromName->text(),     txtFromEmailAddress->text(),
                          ToNametxt->text(),       txtToEmailAddress->text(),
                          txtEmailSubject->text(), typedText(txtEmailBodyOfMessage)};
    if (const std::optional<QString> refusal = session_->SendEmail(txtEmailServer->text(), mail))
        showSmtpError(*refusal);
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

void frmMail::logIn(const QString &user, const QString &password) {
    session_->logIn(user, password);
}

void frmMail::loginCancelled() {
    session_->loginCancelled();
}

void frmMail::sendEnded(bool completed, const QString &reason) {
    emit loginWithdrawn();
    if (completed)
        showStatus(sentText);
    else if (!reason.isEmpty())
        showSmtpError(reason);
    emit sendFinished(completed);
}

void frmMail::showSmtpError(const QString &detail) {
    emit smtpErrorRaised(detail);
}

void frmMail::cutOffSend() {
    session_->cutOff();
    emit loginWithdrawn();
}
