// Owner of one window of the window set: the window exists at most once, is made on
// first reference, and after an unload the next reference makes a fresh one.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

template <class Window> class WindowSlot {
public:
    explicit WindowSlot(std::function<Window *()> make) : make_(std::move(make)) {}
    ~WindowSlot() { delete window_.data(); }
    WindowSlot(const WindowSlot &) = delete;
    WindowSlot &operator=(const WindowSlot &) = delete;

    // The window, made now if it does not exist.
    Window *get() {
        if (!window_)
            window_ = make_();
        return window_;
    }
    bool loaded() const { return !window_.isNull(); }

    // Destroys the window with its contents. The object goes once control is back in
    // the event loop, since an unload is often asked by the window's own handler.
    void unload() {
        if (!window_)
            return;
        Window *window = window_;
        window_.clear();
        window->hide();
        window->deleteLater();
    }

private:
    std::function<Window *()> make_;
    QPointer<Window> window_;
};
