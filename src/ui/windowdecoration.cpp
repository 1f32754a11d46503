#include "ui/windowdecoration.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>

namespace ui {

namespace {
// The Motif window-manager hints, which X11 window managers read for a frame's buttons.
constexpr std::uint32_t hintFunctions = 1;
constexpr std::uint32_t hintDecorations = 2;
constexpr std::uint32_t functionResize = 2;
constexpr std::uint32_t functionMove = 4;
constexpr std::uint32_t decorationBorder = 2;
constexpr std::uint32_t decorationResizeHandle = 4;
constexpr std::uint32_t decorationTitle = 8;
} // namespace

void offerOnlyMoveAndResize(QWidget *window)
{
    // The offscreen platform answers as an X11 application too, without a connection.
    if (!qGuiApp || QGuiApplication::platformName() != u"xcb")
        return;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    static constexpr char name[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof(name) - 1, name), nullptr);
    if (!atom)
        return;
    // Qt writes these hints without the functions part when a window asks for no buttons, and a
    // window manager then offers every function, close button included. (openbox draws its buttons
    // whatever the hints say; the close request is refused there all the same.)
    const std::uint32_t hints[5] = {hintFunctions | hintDecorations, functionResize | functionMove,
                                    decorationBorder | decorationResizeHandle | decorationTitle, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()), atom->atom,
                        atom->atom, 32, 5, hints);
    xcb_flush(connection);
    std::free(atom);
}

} // namespace ui
