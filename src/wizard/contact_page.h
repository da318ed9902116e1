// Page II, the three contacts. For now only the window: it takes the main window's
// skin when it loads; its fields and its Next come with the contact page itself.
#pragma once

#include "ui/skin_window.h"

class WindowSet;

class Form2 : public SkinWindow {
    Q_OBJECT
public:
    explicit Form2(WindowSet &windows);

protected:
    void closeRequested() override;

private:
    WindowSet &windows_;
};
