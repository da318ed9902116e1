#include "skin_element.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QTimer>
#include <QWidget>
#include <algorithm>

SkinElement::SkinElement(QWidget *control)
    : control_(control), home_(control->geometry()), waitTimer_(new QTimer(this)),
      move_(new QPropertyAnimation(this)) {
    waitTimer_->setSingleShot(true);
    connect(waitTimer_, &QTimer::timeout, this, &SkinElement::runNextStatement);
    move_->setTargetObject(control);
    move_->setPropertyName("geometry");
    connect(move_, &QPropertyAnimation::finished, this, &SkinElement::runNextStatement);
}

SkinElement::~SkinElement() {
    waitTimer_->stop();
    move_->stop();
    if (control_ && level_ != 255)
        control_->setGraphicsEffect(nullptr);
}

QRect SkinElement::geometry() const {
    return control_ ? control_->geometry() : QRect();
}

void SkinElement::setGeometry(const QRect &rect) {
    if (control_)
        control_->setGeometry(rect);
}

QString SkinElement::LeftText() const {
    return QString::number(LeftValue());
}
QString SkinElement::TopText() const {
    return QString::number(TopValue());
}
QString SkinElement::WidthText() const {
    return QString::number(WidthValue());
}
QString SkinElement::HeightText() const {
    return QString::number(HeightValue());
}

int SkinElement::LeftValue() const {
    return geometry().x();
}
int SkinElement::TopValue() const {
    return geometry().y();
}
int SkinElement::WidthValue() const {
    return geometry().width();
}
int SkinElement::HeightValue() const {
    return geometry().height();
}

void SkinElement::setLeftText(const QString &text) {
    if (auto value = decimalNumber(text))
        setGeometry(geometry().translated(*value - LeftValue(), 0));
}

void SkinElement::setTopText(const QString &text) {
    if (auto value = decimalNumber(text))
        setGeometry(geometry().translated(0, *value - TopValue()));
}

void SkinElement::setWidthText(const QString &text) {
    if (auto value = decimalNumber(text); value && *value >= 0) {
        QRect rect = geometry();
        rect.setWidth(*value);
        setGeometry(rect);
    }
}

void SkinElement::setHeightText(const QString &text) {
    if (auto value = decimalNumber(text); value && *value >= 0) {
        QRect rect = geometry();
        rect.setHeight(*value);
        setGeometry(rect);
    }
}

void SkinElement::setElementLevel(int level) {
    level_ = std::clamp(level, 0, 255);
    if (!control_)
        return;
    if (level_ == 255) {
        control_->setGraphicsEffect(nullptr);
        return;
    }
    auto *effect = qobject_cast<QGraphicsOpacityEffect *>(control_->graphicsEffect());
    if (!effect) {
        effect = new QGraphicsOpacityEffect(control_);
        control_->setGraphicsEffect(effect);
    }
    effect->setOpacity(level_ / 255.0);
}

void SkinElement::RunScript(const QString &script) {
    lastScript_ = script;
    if (auto statements = parseAnimationScript(script))
        run(std::move(*statements));
}

void SkinElement::run(std::vector<ScriptStatement> statements) {
    if (statements.empty())
        return;
    stopScript();
    lastStatements_ = statements;
    statements_ = std::move(statements);
    next_ = 0;
    running_ = true;
    emit scriptStarted();
    // Start on the next turn of the event loop, so starting never waits or moves
    // the element itself.
    waitTimer_->start(0);
}

void SkinElement::stopScript() {
    waitTimer_->stop();
    move_->stop();
    statements_.clear();
    next_ = 0;
    running_ = false;
}

void SkinElement::runNextStatement() {
    if (!running_)
        return;
    if (next_ >= statements_.size() || !control_) {
        finish();
        return;
    }
    const ScriptStatement statement = statements_[next_++];
    if (const auto *wait = std::get_if<ScriptWait>(&statement)) {
        waitTimer_->start(wait->milliseconds);
        return;
    }
    const auto &move = std::get<ScriptMove>(statement);
    const QRect from = geometry();
    const QRect to = move.target(from);
    if (move.milliseconds == 0) {
        setGeometry(to);
        waitTimer_->start(0);
        return;
    }
    move_->setStartValue(from);
    move_->setEndValue(to);
    move_->setDuration(move.milliseconds);
    move_->setEasingCurve(move.easing);
    move_->start();
}

void SkinElement::finish() {
    running_ = false;
    statements_.clear();
    next_ = 0;
    emit scriptFinished();
}
