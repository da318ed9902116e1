// The scrolling hint line of page III and the send page: a strip of hint texts that
// runs from right to left through a small window and comes back in from the right
// once it has gone out completely on the left.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <vector>

// Sizes and positions in twips, as the page's design gives them.
struct TickerDesign {
    struct Message {
        QString text;
        int left = 0;  // on the strip
        int width = 0; // 0: up to the next message, or to the strip's end for the last one
    };
    int windowWidth = 0;
    int windowHeight = 0;
    int stripWidth = 0;
    int stripStart = 0; // the strip's left edge in the window before the first tick
    int step = 0;       // how far the strip moves left on each tick
    std::vector<Message> messages;
};

// One tick: a strip whose left edge lies further left than minus its width restarts at
// the window's width minus 1 and then moves 5 further left; otherwise it moves `step` left.
int nextTickerLeft(int left, const TickerDesign &design);

// The window (`Picture1`) that clips the strip (`Picture2`) with its messages
// (`Label1`, `Label2`, ...). Its timer ticks every 25 ms from creation until the
// ticker is destroyed with its page. The strip keeps its place among the window's
// children, but the window shows it from a picture drawn once, at the strip's place.
class TickerStrip : public QWidget {
    Q_OBJECT
public:
    TickerStrip(const TickerDesign &design, QWidget *parent);

    // Puts the window at the given place in its page, in twips.
    void placeAt(int left, int top);

    // One step of the strip.
    void Timer1_Timer();

    // The strip's left edge inside the window, in twips.
    int stripLeft() const { return left_; }

    QTimer *const Timer1;
    QWidget *const Picture2;
    std::vector<QLabel *> labels; // Label1, Label2, ...

    static constexpr int tickMilliseconds = 25;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void moveStrip();

    const TickerDesign design_;
    int left_;
    QPixmap picture_; // the strip as drawn, with its messages
};
