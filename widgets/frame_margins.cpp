// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/frame_margins.h"

#include "widgets/event_pause.h"
#include "widgets/xcb_replies.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace cw {
namespace {

// A window manager answers within a few milliseconds; one that does not is not waited for
// again.
constexpr int kAnswerWaitMs = 250;

// The left, right, top and bottom widths of _NET_FRAME_EXTENTS on `window`, if it is set.
bool ReadFrameExtents(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t extents,
                      std::uint32_t (&widths)[4]) {
    const ReplyPointer<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4),
            nullptr),
        &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return false;
    std::memcpy(widths, xcb_get_property_value(reply.get()), sizeof widths);
    return true;
}

bool Supports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t feature) {
    const ReplyPointer<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, root,
                                                Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM,
                                                0, 1024),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, feature) != atoms + count;
}

// Ends `wait` once _NET_FRAME_EXTENTS changes on `window`. The events of the connection are
// Qt's; this sees them as Qt handles them, which it does during the wait.
class ExtentsWatch final : public QAbstractNativeEventFilter {
public:
    ExtentsWatch(xcb_window_t window, xcb_atom_t extents, EventPause& wait)
        : window_(window), extents_(extents), wait_(wait) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if (type != "xcb_generic_event_t" || (event->response_type & ~0x80) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
        if (change->window == window_ && change->atom == extents_)
            wait_.End();
        return false;
    }

private:
    xcb_window_t window_;
    xcb_atom_t extents_;
    EventPause& wait_;
};

// Asks the window manager how it will frame the not yet mapped `window` (EWMH
// _NET_REQUEST_FRAME_EXTENTS) and waits a moment for the answer, in device pixels.
bool RequestFrameExtents(xcb_connection_t* connection, xcb_window_t window,
                         std::uint32_t (&widths)[4]) {
    static bool unanswered = false;
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
    const ReplyPointer<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr),
        &std::free);
    if (unanswered || !geometry || request == XCB_ATOM_NONE ||
        !Supports(connection, geometry->root, request))
        return false;
    EventPause wait;
    const ExtentsWatch watch(window, extents, wait);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, 0, geometry->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    if (ReadFrameExtents(connection, window, extents, widths) ||
        (wait.Wait(kAnswerWaitMs) && ReadFrameExtents(connection, window, extents, widths)))
        return true;
    unanswered = true;
    return false;
}

QMargins KnownFrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

} // namespace

QMargins ExpectedFrameMargins(QWidget* window) {
    if (window->isVisible())
        return KnownFrameMargins(*window);
    // Other platforms may offer an X11 connection of their own (offscreen does), but only on
    // xcb are the windows on it.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != u"xcb" || x11 == nullptr || x11->connection() == nullptr)
        return {};
    std::uint32_t widths[4] = {};
    if (!RequestFrameExtents(x11->connection(), static_cast<xcb_window_t>(window->winId()), widths))
        return {};
    // The window manager counts device pixels; Qt places windows in logical ones.
    const qreal ratio = window->devicePixelRatioF();
    const auto logical = [ratio](std::uint32_t width) { return qRound(width / ratio); };
    return {logical(widths[0]), logical(widths[2]), logical(widths[1]), logical(widths[3])};
}

void MoveFrameTo(QWidget* window, QPoint frameTopLeft, const QMargins& frame) {
    // QWidget::move places the frame's corner by the frame Qt knows of: none for a window not
    // yet framed, whose client area would then land at the corner itself.
    const QMargins known = KnownFrameMargins(*window);
    window->move(frameTopLeft + QPoint(frame.left() - known.left(), frame.top() - known.top()));
}

} // namespace cw
