// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11/frame_extents.h"

#include "x11/xcb_replies.h"

#include <QCoreApplication>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace cw {
namespace {

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

class ExtentsWatch final : public QAbstractNativeEventFilter {
public:
    ExtentsWatch(xcb_window_t window, xcb_atom_t extents, std::function<void()> changed)
        : window_(window), extents_(extents), changed_(std::move(changed)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if (type != "xcb_generic_event_t" || (event->response_type & ~0x80) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
        if (change->window == window_ && change->atom == extents_)
            changed_();
        return false;
    }

private:
    xcb_window_t window_;
    xcb_atom_t extents_;
    std::function<void()> changed_;
};

} // namespace

bool OnX11() {
    return WindowConnection() != nullptr;
}

std::optional<QMargins> FrameExtents(WId window) {
    xcb_connection_t* connection = WindowConnection();
    if (connection == nullptr)
        return std::nullopt;
    const ReplyPointer<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, static_cast<xcb_window_t>(window),
                                                Atom(connection, "_NET_FRAME_EXTENTS"),
                                                XCB_ATOM_CARDINAL, 0, 4),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    // Left, right, top and bottom.
    std::uint32_t widths[4] = {};
    std::memcpy(widths, xcb_get_property_value(reply.get()), sizeof widths);
    const auto width = [](std::uint32_t value) { return static_cast<int>(value); };
    return QMargins(width(widths[0]), width(widths[2]), width(widths[1]), width(widths[3]));
}

bool RequestFrameExtents(WId window) {
    xcb_connection_t* connection = WindowConnection();
    if (connection == nullptr)
        return false;
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const ReplyPointer<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(
            connection, xcb_get_geometry(connection, static_cast<xcb_window_t>(window)), nullptr),
        &std::free);
    if (!geometry || request == XCB_ATOM_NONE || !Supports(connection, geometry->root, request))
        return false;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window);
    message.type = request;
    xcb_send_event(connection, 0, geometry->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
}

std::unique_ptr<QAbstractNativeEventFilter> WatchFrameExtents(WId window,
                                                              std::function<void()> changed) {
    xcb_connection_t* connection = WindowConnection();
    const xcb_atom_t extents =
        connection != nullptr ? Atom(connection, "_NET_FRAME_EXTENTS") : xcb_atom_t{XCB_ATOM_NONE};
    return std::make_unique<ExtentsWatch>(static_cast<xcb_window_t>(window), extents,
                                          std::move(changed));
}

} // namespace cw
