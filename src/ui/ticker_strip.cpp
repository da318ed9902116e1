#include "ticker_strip.h"

#include "skin_painter.h"
#include "twips.h"

#include <QEvent>
#include <QPainter>

int nextTickerLeft(int left, const TickerDesign &design) {
    if (left < -design.stripWidth)
        return design.windowWidth - 1 - 5;
    return left - design.step;
}

TickerStrip::TickerStrip(const TickerDesign &design, QWidget *parent)
    : QWidget(parent), Timer1(new QTimer(this)), Picture2(new QWidget(this)), design_(design),
      left_(design.stripStart) {
    setObjectName(QStringLiteral("Picture1"));
    Picture2->setObjectName(QStringLiteral("Picture2"));
    // The window is filled like a text box, so the hints read well in every skin; it fills
    // itself (paintEvent), so nothing behind it is painted when the strip moves.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackgroundRole(QPalette::Base);
    resize(twipsRect(0, 0, design.windowWidth, design.windowHeight, this).size());

    QStringList texts;
    for (std::size_t i = 0; i < design.messages.size(); ++i) {
        const TickerDesign::Message &message = design.messages[i];
        const int end = message.width > 0                ? message.left + message.width
                        : i + 1 < design.messages.size() ? design.messages[i + 1].left
                                                         : design.stripWidth;
        auto *label = new QLabel(message.text, Picture2);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setForegroundRole(QPalette::Text);
        label->setGeometry(
            twipsRect(message.left, 0, end - message.left, design.windowHeight, this));
        // A message keeps its place on the strip, so a wide font is made smaller to fit.
        label->setFont(fontFittingWidth(label->font(), message.text, label->width(), label));
        labels.push_back(label);
        texts << message.text.trimmed();
    }
    // Read as one line of hints; the moving strip itself means nothing to a screen reader.
    setAccessibleName(texts.join(QLatin1Char(' ')));
    // The strip is drawn by this window from a picture of it (see paintEvent), so the strip
    // itself never shows.
    Picture2->hide();
    moveStrip();

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(tickMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &TickerStrip::Timer1_Timer);
    Timer1->start();
}

void TickerStrip::placeAt(int left, int top) {
    move(twipsRect(left, top, 0, 0, this).topLeft());
}

void TickerStrip::Timer1_Timer() {
    left_ = nextTickerLeft(left_, design_);
    moveStrip();
    // Painted at once, within this tick: a repaint left to the event loop would wake it a
    // second time on every tick.
    repaint();
}

void TickerStrip::paintEvent(QPaintEvent *) {
    const QColor background = palette().color(QPalette::Base);
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull() || picture_.devicePixelRatio() != ratio) {
        // Moving the strip's labels would lay out and shape their texts again on every tick;
        // the strip is drawn once instead, as it would look in this window.
        picture_ = QPixmap(Picture2->size() * ratio);
        picture_.setDevicePixelRatio(ratio);
        picture_.fill(background);
        Picture2->render(&picture_, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    QPainter painter(this);
    painter.fillRect(rect(), background);
    painter.drawPixmap(Picture2->pos(), picture_);
}

void TickerStrip::changeEvent(QEvent *event) {
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::EnabledChange:
        picture_ = QPixmap(); // drawn again when next shown
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void TickerStrip::moveStrip() {
    Picture2->setGeometry(twipsRect(left_, 0, design_.stripWidth, design_.windowHeight, this));
}
