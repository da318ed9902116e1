#include "skin_window.h"

#include "accessibility.h"
#include "skin_painter.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <sys/mman.h>

namespace {

// An image for the moment of one paint, in pages of its own that go back to the system as
// soon as it is dropped. Left to malloc, a window-sized buffer that comes and goes stays in
// the heap for the rest of the run. Null if the pages cannot be had.
QImage passingImage(const QSize &size, QImage::Format format) {
    struct Pages {
        void *start;
        size_t length;
    };
    const qsizetype bytesPerLine =
        (qsizetype(size.width()) * QImage::toPixelFormat(format).bitsPerPixel() + 31) / 32 * 4;
    const size_t length = size_t(bytesPerLine) * size_t(size.height());
    if (length == 0)
        return QImage();
    void *start = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start == MAP_FAILED)
        return QImage();
    const auto drop = [](void *info) {
        const auto *pages = static_cast<Pages *>(info);
        munmap(pages->start, pages->length);
        delete pages;
    };
    return QImage(static_cast<uchar *>(start), size.width(), size.height(), bytesPerLine, format,
                  drop, new Pages{start, length});
}

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
    if (!paintThroughBounds(painter, event->region(), look))
        paintSkinSurface(painter, rect(), look);
}

// The region to paint is seldom one rectangle: Qt leaves out the children that paint
// themselves whole, and a control moving in its entrance exposes strips. Through such a
// region a pattern of lines is clipped a pixel at a time, which made the window's pattern
// the dearest part of page I's first paint. So the surface is drawn through the region's
// bounding rectangle into an image the size of the backing store, over the background Qt
// has just laid, and copied from there through the region: the same pixels, as an image of
// the same size cuts the lines at the same edges. False where that cannot be vouched for (a
// scaled or offset device, a background other than one colour) or where no lines are drawn,
// to paint directly.
bool SkinWindow::paintThroughBounds(QPainter &painter, const QRegion &region,
                                    const SkinLook &look) {
    const QPaintEngine *engine = painter.paintEngine();
    const QPaintDevice *device = engine ? engine->paintDevice() : nullptr;
    const QBrush background = palette().brush(QPalette::Window);
    const bool lines = look.pattern == SkinPattern::Stripes || look.pattern == SkinPattern::Grid;
    if (region.rectCount() < 2 || !lines || !device || device->devType() != QInternal::Image ||
        !painter.deviceTransform().isIdentity() || background.style() != Qt::SolidPattern ||
        !isWindow() || testAttribute(Qt::WA_TranslucentBackground) ||
        testAttribute(Qt::WA_NoSystemBackground))
        return false;
    const auto *backingStore = static_cast<const QImage *>(device);
    const QRect bounds = region.boundingRect();
    QImage surface = passingImage(backingStore->size(), backingStore->format());
    if (surface.isNull())
        return false;
    {
        QPainter through(&surface);
        through.setClipRect(bounds);
        through.setCompositionMode(QPainter::CompositionMode_Source);
        through.fillRect(bounds, background);
        through.setCompositionMode(QPainter::CompositionMode_SourceOver);
        paintSkinSurface(through, rect(), look);
    }
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(bounds, surface, bounds);
    return true;
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
