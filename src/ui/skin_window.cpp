#include "skin_window.h"

#include "accessibility.h"
#include "skin_painter.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace {

// Top left of a window whose frame is of `size`, centred over `owner`, moved as little as
// needed to lie wholly within `screen` (or to its top left corner when it is larger).
QPoint placedOver(const QRect &owner, const QSize &size, const QRect &screen) {
    const QPoint centred = owner.center() - QPoint(size.width() / 2, size.height() / 2);
    const int left =
        std::max(screen.left(), std::min(centred.x(), screen.right() + 1 - size.width()));
    const int top =
        std::max(screen.top(), std::min(centred.y(), screen.bottom() + 1 - size.height()));
    return QPoint(left, top);
}

} // namespace

SkinWindow::SkinWindow(const QString &caption, QWidget *parent)
    : QWidget(parent, Qt::Window), SkinForm1(new SkinForm(this)) {
    installAccessibleInterfaces();
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void SkinWindow::Show() {
    // Raised even when it was hidden: a window shown again keeps its old place in the
    // stacking order where no window manager lifts it (X11 on its own), and would come
    // up behind the window that hid it.
    show();
    raise();
    activateWindow();
}

void SkinWindow::showOver(QWidget *owner) {
    // Parent and modality are settled while the window is hidden: changing them on a
    // visible window would hide it or take no effect.
    if (owner && parentWidget() != owner) {
        hide();
        setParent(owner, windowFlags());
    }
    const bool placing = owner && !isVisible();
    if (!isVisible())
        setWindowModality(Qt::WindowModal);
    const auto place = [this, owner] {
        move(placedOver(owner->geometry(), frameGeometry().size(),
                        owner->screen()->availableGeometry()));
    };
    // Centred over the window it belongs to and whole on its screen, frame included: move()
    // places the frame, so the frame's size is what must fit. Its margins may become known
    // only once the window is shown; it is placed again then if they did.
    if (placing)
        place();
    const QSize placedSize = frameGeometry().size();
    Show();
    if (placing && frameGeometry().size() != placedSize)
        place();
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

void SkinWindow::keyPressEvent(QKeyEvent *event) {
    if (isDialog() && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        closeRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SkinWindow::closeEvent(QCloseEvent *event) {
    event->ignore();
    closeRequested();
}
