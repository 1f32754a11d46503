#include "ui/windowframe.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <thread>

// What each X11 window manager honours of a caption-only frame (measured with Debian 12's):
// - metacity and mutter (also through XWayland), icewm: the Motif functions and decorations; they
//   offer and draw neither close, minimise nor maximise;
// - xfwm4: the Motif hints take minimise and maximise away and draw no close button, though it
//   still lists the close action;
// - fluxbox: the Motif hints take close and minimise away, not maximise;
// - openbox: ignores the Motif functions on purpose and offers every button whatever the window
//   type; the window itself undoes a minimise or maximise there (Form) and refuses the close.
// All of them answer _NET_REQUEST_FRAME_EXTENTS, so a window can be centred before it is mapped.
namespace ui::detail {

namespace {

struct FreeDeleter {
    void operator()(void *reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeDeleter>;

// The Motif window-manager hints, the only ones X11 window managers read for a frame's buttons.
constexpr std::uint32_t hintFunctions = 1;
constexpr std::uint32_t hintDecorations = 2;
constexpr std::uint32_t functionResize = 2;
constexpr std::uint32_t functionMove = 4;
constexpr std::uint32_t decorationBorder = 2;
constexpr std::uint32_t decorationResizeHandle = 4;
constexpr std::uint32_t decorationTitle = 8;

// A window manager answers a frame-extents request at once; this only bounds a broken one.
constexpr auto extentsWait = std::chrono::milliseconds(250);

xcb_connection_t *connectionFor(QWidget *window)
{
    // The offscreen platform answers as an X11 application too, without a connection.
    if (!qGuiApp || QGuiApplication::platformName() != u"xcb" || !window->testAttribute(Qt::WA_WState_Created))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *connection, std::string_view name)
{
    const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t rootOf(xcb_connection_t *connection)
{
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    return screen ? screen->root : xcb_window_t{XCB_WINDOW_NONE};
}

// The frame extents in Qt's logical pixels, at the window's device pixel ratio.
bool readExtents(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t extents, qreal ratio, QMargins &margins)
{
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!reply || reply->type != XCB_ATOM_CARDINAL || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) != 16)
        return false;
    const auto *value = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    // The property lists left, right, top and bottom, in the X server's (device) pixels; taken as
    // they stand at a ratio of 2 they would push a window down by its own caption's height again.
    margins = (QMarginsF(value[0], value[2], value[1], value[3]) / ratio).toMargins();
    return true;
}

bool windowManagerSupports(xcb_connection_t *connection, xcb_atom_t wanted)
{
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, rootOf(connection), atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096),
        nullptr));
    if (!reply || reply->type != XCB_ATOM_ATOM || reply->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == wanted)
            return true;
    }
    return false;
}

} // namespace

void writeFrameHints(QWidget *window, FrameKind kind)
{
    xcb_connection_t *connection = connectionFor(window);
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    // The role tells the program's windows apart for window-manager rules, session managers and tests.
    const QByteArray role = window->objectName().toLatin1();
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atom(connection, "WM_WINDOW_ROLE"), XCB_ATOM_STRING, 8,
                        static_cast<std::uint32_t>(role.size()), role.constData());
    if (kind == FrameKind::CaptionOnly) {
        // Qt writes these hints without the functions when a window asks for no buttons, and a
        // window manager then offers every function, close included.
        const xcb_atom_t motif = atom(connection, "_MOTIF_WM_HINTS");
        const std::uint32_t hints[5] = {hintFunctions | hintDecorations, functionResize | functionMove,
                                        decorationBorder | decorationResizeHandle | decorationTitle, 0, 0};
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, motif, motif, 32, 5, hints);
    }
    xcb_flush(connection);
}

bool askFrameExtents(QWidget *window, QMargins &margins)
{
    xcb_connection_t *connection = connectionFor(window);
    if (!connection)
        return false;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    const qreal ratio = window->devicePixelRatioF();
    if (readExtents(connection, id, extents, ratio, margins))
        return true;
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    if (!windowManagerSupports(connection, request))
        return false;

    // Before a window is mapped its frame is unknown to Qt; the window manager tells it on request.
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, rootOf(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
    const auto until = std::chrono::steady_clock::now() + extentsWait;
    while (std::chrono::steady_clock::now() < until) {
        if (readExtents(connection, id, extents, ratio, margins))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

} // namespace ui::detail
