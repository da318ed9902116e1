// The skin element of a skinned control: the rectangle the skin draws it in, in its
// parent's pixels, which entrance effects move and animate.
#pragma once

#include "animation_script.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <vector>

class QPropertyAnimation;
class QTimer;
class QWidget;

class SkinElement : public QObject {
    Q_OBJECT
public:
    // The element starts at the control's present geometry, which it keeps as its home.
    explicit SkinElement(QWidget *control);
    ~SkinElement() override;

    // Geometry as plain decimal text; setting a text places or sizes the element at once.
    // A text that is not a whole number is ignored.
    QString LeftText() const;
    QString TopText() const;
    QString WidthText() const;
    QString HeightText() const;
    void setLeftText(const QString &text);
    void setTopText(const QString &text);
    void setWidthText(const QString &text);
    void setHeightText(const QString &text);

    int LeftValue() const;
    int TopValue() const;
    int WidthValue() const;
    int HeightValue() const;

    // The element's opacity, 0 (invisible) to 255 (opaque).
    int ElementLevel() const { return level_; }
    void setElementLevel(int level);

    // Starts the script and returns at once; a running script is stopped first.
    // A malformed script is ignored.
    void RunScript(const QString &script);
    // The same for statements made in code; an empty list is ignored.
    void run(std::vector<ScriptStatement> statements);
    void stopScript();
    bool isRunning() const { return running_; }
    // The text of the last script handed to RunScript, run or not.
    QString lastScript() const { return lastScript_; }
    // The statements last started, by RunScript or by run.
    const std::vector<ScriptStatement> &lastStatements() const { return lastStatements_; }

    // Where the control stood when the element was made.
    QRect homeGeometry() const { return home_; }

signals:
    void scriptStarted();
    void scriptFinished();

private:
    void setGeometry(const QRect &rect);
    QRect geometry() const;
    void runNextStatement();
    void finish();

    QPointer<QWidget> control_;
    QRect home_;
    int level_ = 255;
    QString lastScript_;
    std::vector<ScriptStatement> lastStatements_;
    std::vector<ScriptStatement> statements_;
    std::size_t next_ = 0;
    bool running_ = false;
    QTimer *waitTimer_;
    QPropertyAnimation *move_;
};
