#include "skin_window.h"

#include "accessibility.h"
#include "skin_painter.h"

#include <QCloseEvent>
#include <QPainter>

SkinWindow::SkinWindow(const QString &caption, QWidget *parent)
    : QWidget(parent, Qt::Window), SkinForm1(new SkinForm(this)) {
    installAccessibleInterfaces();
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void SkinWindow::Show() {
    // A window being shown comes up on top anyway; a visible one is brought forward.
    if (isVisible())
        raise();
    show();
    activateWindow();
}

bool SkinWindow::event(QEvent *event) {
    if (event->type() == QEvent::Polish) // once, before the window is first shown
        nameScrollBars(this);
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return handled;
}

void SkinWindow::paintEvent(QPaintEvent *event) {
    const SkinRef skin = SkinForm1->CurrentSkin();
    if (!skin) {
        QWidget::paintEvent(event);
        return;
    }
    QPainter painter(this);
    SkinLook look = skin->form;
    look.radius = 0; // the window frame is the window manager's
    paintSkinSurface(painter, rect(), look);
}

void SkinWindow::closeEvent(QCloseEvent *event) {
    event->ignore();
    closeRequested();
}
