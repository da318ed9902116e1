// What a window's exit is connected to: one road of the navigation table, taken when the
// exit's signal comes. It lives as long as the window.
#pragma once

#include <QMetaMethod>
#include <QObject>
#include <functional>

class RoadTaker : public QObject {
    Q_OBJECT
public:
    RoadTaker(std::function<void()> go, QObject *window) : QObject(window), go_(std::move(go)) {}

    static QMetaMethod takeMethod() {
        return staticMetaObject.method(staticMetaObject.indexOfSlot("take()"));
    }

public slots:
    void take() { go_(); }

private:
    std::function<void()> go_;
};
