#include "ui/windowframe.h"

#include <QGuiApplication>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace ui {

namespace {
// A window manager may drop a window's frame extents when the window is hidden; the margins seen
// while it was shown still hold for its next show.
constexpr char seenMarginsProperty[] = "_rekenrups_frame_margins";

QMargins drawnMargins(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}
} // namespace

void setFrameKind(QWidget *window, FrameKind kind)
{
    switch (kind) {
    case FrameKind::Standard:
        window->setWindowFlags(Qt::Window);
        break;
    case FrameKind::CaptionOnly:
        window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        break;
    }
    // The hints go on the native window, which must exist for them.
    window->winId();
    detail::writeFrameHints(window, kind);
}

QMargins frameMargins(QWidget *window)
{
    // Only a native window has a frame to ask about.
    window->winId();
#ifdef Q_OS_WASM
    // Qt's browser platform measures a shown window's frame in the page whenever it is asked; what
    // QWidget keeps of it may be from before the caption was laid out.
    if (const QWindow *native = window->windowHandle(); native && native->isVisible())
        return native->frameMargins();
#endif
    // Until the window manager has framed a window once, Qt reports no frame round it.
    if (const QMargins drawn = drawnMargins(window); !drawn.isNull()) {
        window->setProperty(seenMarginsProperty, QVariant::fromValue(drawn));
        return drawn;
    }
    if (const QVariant seen = window->property(seenMarginsProperty); seen.isValid())
        return seen.value<QMargins>();
    // Windows knows a window's frame from its creation on. Qt's X11 platform would answer too, with
    // no frame before the window manager has framed the window, and keep that answer for later.
    if (const QWindow *native = window->windowHandle(); native && QGuiApplication::platformName() == u"windows")
        return native->frameMargins();
    QMargins asked;
    if (detail::askFrameExtents(window, asked))
        return asked;
    return {};
}

void placeFrame(QWidget *window, QPoint topLeft)
{
#ifdef Q_OS_WASM
    // The frame as the page draws it now, not QWidget's kept measurement of it; Qt's browser
    // platform places every window by its client area, also through setFramePosition().
    if (QWindow *native = window->windowHandle(); native && native->isVisible()) {
        const QMargins margins = native->frameMargins();
        native->setPosition(topLeft + QPoint(margins.left(), margins.top()));
        return;
    }
#endif
    // QWidget::move counts in a frame only once Qt has seen one, and treats a window without a
    // native window differently again; placing the client area of a created window is exact.
    const QMargins margins = frameMargins(window);
    const QPoint knownStrut = window->geometry().topLeft() - window->pos();
    window->move(topLeft + QPoint(margins.left(), margins.top()) - knownStrut);
}

} // namespace ui
