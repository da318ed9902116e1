#include "credits_roll.h"

#include "about_box.h"
#include "document/maker.h"
#include "document/zone_table.h"
#include "ui/page_controls.h"
#include "ui/pictures.h"
#include "ui/twips.h"
#include "veld_version.h"

#include <QApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <limits>

namespace {

// The roll moves one unit per frame, and a frame follows only after more than this.
constexpr int framePauseMilliseconds = 40;
constexpr int scrollFontPointSize = 8;

constexpr int textFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

QString zoneLabel(std::size_t entry) {
    return QLatin1String(zones::table[entry].text);
}

} // namespace

CreditsScroll::CreditsScroll(QWidget *parent) : QWidget(parent) {
    setContentsMargins(1, 1, 1, 1);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CreditsScroll::setText(const QString &text) {
    text_ = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    rendered_ = QPixmap();
    setAccessibleDescription(text_);
    update();
}

int CreditsScroll::measureTextHeight() const {
    if (text_.isEmpty())
        return 0;
    const QRect room(0, 0, contentsRect().width(), std::numeric_limits<int>::max() / 2);
    return fontMetrics().boundingRect(room, textFlags, text_).height();
}

void CreditsScroll::drawTextIn(const QRect &rect) {
    drawn_ = rect;
    update();
}

void CreditsScroll::changeEvent(QEvent *event) {
    if (event->type() == QEvent::FontChange)
        rendered_ = QPixmap();
    QWidget::changeEvent(event);
}

QPixmap CreditsScroll::renderedText(const QSize &size) const {
    // The text is laid out once per size and only copied for each frame of the roll.
    if (rendered_.isNull() || rendered_.deviceIndependentSize().toSize() != size) {
        const qreal ratio = devicePixelRatioF();
        rendered_ = QPixmap(size * ratio);
        rendered_.setDevicePixelRatio(ratio);
        rendered_.fill(Qt::transparent);
        QPainter painter(&rendered_);
        painter.setFont(font());
        painter.setPen(QColor(FormCredits::scrollTextColour));
        painter.drawText(QRect(QPoint(0, 0), size), textFlags, text_);
    }
    return rendered_;
}

void CreditsScroll::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (drawn_.isEmpty() || text_.isEmpty())
        return;
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.drawPixmap(drawn_.topLeft() + inside.topLeft(), renderedText(drawn_.size()));
}

FormCredits::FormCredits(const SkinSource &mainWindow)
    : SkinWindow(QStringLiteral("Credits ...")), rollTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("FormCredits"));
    picScroll = new CreditsScroll(this);
    picScroll->setObjectName(QStringLiteral("picScroll"));
    picScroll->setAccessibleName(QStringLiteral("Credits"));
    placeAt(picScroll, 240, 240, 7680, 4200);
    QFont scrollFont = picScroll->font();
    scrollFont.setPointSize(scrollFontPointSize);
    picScroll->setFont(scrollFont);
    picScroll->setText(creditsText());

    Picture2 = new QLabel(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setAccessibleName(QStringLiteral("Pintu keluar"));
    placeAt(Picture2, 6480, 4620, 480, 480);
    Picture2->setPixmap(exitPicture(Picture2->size()));

    lblExit = new QLabel(QStringLiteral("EXIT"), this);
    lblExit->setObjectName(QStringLiteral("lblExit"));
    placeAt(lblExit, 7020, 4680, 900, 360);
    QFont exitFont = lblExit->font();
    exitFont.setBold(true);
    exitFont.setPointSize(12);
    lblExit->setFont(exitFont);
    setExitColour(exitColour);

    SkinButton1 = pageButton(QStringLiteral("SkinButton1"), QStringLiteral("Baiklah.."), this);
    placeAt(SkinButton1, 3360, 4680, 1455, 405);
    SkinButton1->hide(); // until the pointer first moves over the window
    connect(SkinButton1, &SkinButton::clicked, this, &FormCredits::SkinButton1_Click);

    // The pointer over the window's own background and over "EXIT" changes the look;
    // over the other controls it counts as neither.
    setMouseTracking(true);
    lblExit->setMouseTracking(true);
    lblExit->installEventFilter(this);
    for (QWidget *control : {static_cast<QWidget *>(picScroll), static_cast<QWidget *>(Picture2),
                             static_cast<QWidget *>(SkinButton1)})
        control->setAttribute(Qt::WA_NoMousePropagation);

    rollTimer_->setTimerType(Qt::PreciseTimer);
    rollTimer_->setInterval(framePauseMilliseconds + 1);
    connect(rollTimer_, &QTimer::timeout, this, &FormCredits::rollTimer_Timer);

    setFixedSize(twipsRect(0, 0, 8160, 5400, this).size());

    // Load: the main window's skin on the button.
    if (const SkinWindow *main = mainWindow())
        handSkinOver(main, this);
    SkinButton1->ApplySkin(SkinForm1);
}

QString FormCredits::creditsText() {
    const QString name = QLatin1String(maker::acronym);
    const QString country = QLatin1String(zones::countryName);
    const QStringList lines{
        QStringLiteral("     VELDA v ") + QLatin1String(program::version) +
            QStringLiteral("          ") + QLatin1String(maker::fullName) + QStringLiteral("     "),
        QString(),
        QString(),
        QStringLiteral("Coordination, design and development of this application:"),
        QLatin1String(maker::author) + QStringLiteral(", ") + name,
        QString(),
        QString(),
        QStringLiteral("Acknowledgement and my personal thanks to:"),
        QString(),
        QString(),
        QStringLiteral("Sekar Palupi Andaresta"),
        QStringLiteral("Bayu Rangga Kalendra"),
        name + QStringLiteral(" Second Level Domain Administrator Team:"),
        QStringLiteral("    Wulan Citrasari (%1), Gilang Pramesta (%2), Nadira Kusumalaya (%3),")
            .arg(zoneLabel(0), zoneLabel(3), zoneLabel(5)),
        QStringLiteral("    Teguh Arkanantya (%1) and Ratri Handayasmara (%2)")
            .arg(zoneLabel(6), zoneLabel(7)),
        QString(),
        QString(),
        QStringLiteral("Lunakrafa Software, Marindal office"),
        QStringLiteral("Pusat Data Negara ") + country,
        QStringLiteral("Gilda Penyedia Jaring ") + country,
        QStringLiteral("as well as to: Putri Anindyaswari, Jaka Mahendrata and all ") + name +
            QStringLiteral(" volunteers"),
        QString(),
        QString(),
        QString(),
        QStringLiteral("Many thanks to *YOU* as well for using this application........"),
        QString(),
        QString(),
        QStringLiteral("Comments + questions, please mail to: ") + QLatin1String(maker::mailbox) +
            QStringLiteral(", ") + QLatin1String(maker::authorMailbox) + QStringLiteral(", ") +
            QLatin1String(maker::volunteersMailbox),
        QString(),
        QLatin1String(maker::webAddress),
    };
    return lines.join(QStringLiteral("\r\n"));
}

void FormCredits::Form_Activate() {
    if (stop_)
        return;
    const int height = picScroll->measureTextHeight();
    if (height == 0) {
        // Nothing to roll: the window closes at once.
        stop_ = true;
        emit nothingToRoll();
        return;
    }
    // Each activation starts the text again just below the visible area.
    const QRect inside = picScroll->contentsRect();
    roll_ = QRect(0, inside.height(), inside.width(), height);
    sinceLastFrame_.invalidate();
    rollTimer_->start();
}

void FormCredits::rollTimer_Timer() {
    // The first frame always draws; later ones only after more than the pause.
    if (sinceLastFrame_.isValid() && sinceLastFrame_.elapsed() <= framePauseMilliseconds)
        return;
    drawNextFrame();
}

void FormCredits::drawNextFrame() {
    picScroll->drawTextIn(roll_);
    roll_.translate(0, -1);
    if (roll_.top() < -roll_.height())
        roll_.moveTop(picScroll->contentsRect().height());
    sinceLastFrame_.start();
}

void FormCredits::endRoll() {
    stop_ = true;
    rollTimer_->stop();
}

void FormCredits::SkinButton1_Click() {
    endRoll();
    QApplication::beep();
    emit dismissed();
}

void FormCredits::hideEvent(QHideEvent *event) {
    // Hidden by an unload, however it came: the roll ends with the window.
    if (!event->spontaneous() && isRolling())
        endRoll();
    SkinWindow::hideEvent(event);
}

void FormCredits::setExitColour(QRgb colour) {
    QPalette palette = lblExit->palette();
    palette.setColor(QPalette::WindowText, QColor(colour));
    lblExit->setPalette(palette);
}

void FormCredits::mouseMoveEvent(QMouseEvent *event) {
    setExitColour(exitColourOverWindow);
    Picture2->hide();
    SkinButton1->show();
    SkinWindow::mouseMoveEvent(event);
}

void FormCredits::keyPressEvent(QKeyEvent *event) {
    // Without a pointer the button would never show: any key but Escape (which does what
    // the button does) brings it out with the keyboard on it.
    if (SkinButton1->isHidden() && event->key() != Qt::Key_Escape) {
        SkinButton1->show();
        SkinButton1->setFocus(Qt::TabFocusReason);
        return;
    }
    SkinWindow::keyPressEvent(event);
}

bool FormCredits::eventFilter(QObject *watched, QEvent *event) {
    if (watched == lblExit && event->type() == QEvent::MouseMove) {
        setExitColour(exitColourOverExit);
        Picture2->show();
        SkinButton1->show();
        return true;
    }
    return SkinWindow::eventFilter(watched, event);
}
