// Waiting for windows in tests. The offscreen platform activates a window on the next
// turn of the event loop, and QTest's own wait for activation does not wait there.
#pragma once

#include <QWidget>
#include <QtTest>

// True once the widget's window is the active window (within five seconds).
inline bool waitUntilActive(QWidget *widget) {
    return QTest::qWaitFor([widget] { return widget->isActiveWindow(); }, 5000);
}
