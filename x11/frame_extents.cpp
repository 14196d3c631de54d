// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11/frame_extents.h"

#include "x11/xcb_replies.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <utility>

namespace cw {
namespace {

// Up to `items` 32-bit items of the property `name` of `window`; empty when it has none.
ReplyPointer<xcb_get_property_reply_t> Property(xcb_connection_t* connection, xcb_window_t window,
                                                const char* name, xcb_atom_t type,
                                                std::uint32_t items) {
    auto reply = Owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, Atom(connection, name), type, 0, items),
        nullptr));
    if (reply && reply->format != 32)
        reply.reset();
    return reply;
}

std::span<const std::uint32_t> Items(const xcb_get_property_reply_t& reply) {
    return {static_cast<const std::uint32_t*>(xcb_get_property_value(&reply)),
            static_cast<std::size_t>(xcb_get_property_value_length(&reply) / 4)};
}

bool Supports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t feature) {
    const auto supported = Property(connection, root, "_NET_SUPPORTED", XCB_ATOM_ATOM, 1024);
    return supported && std::ranges::find(Items(*supported), feature) != Items(*supported).end();
}

} // namespace

bool OnX11() {
    return WindowConnection() != nullptr;
}

std::optional<QMargins> FrameExtents(WId window) {
    xcb_connection_t* connection = WindowConnection();
    if (connection == nullptr)
        return std::nullopt;
    const auto extents = Property(connection, static_cast<xcb_window_t>(window),
                                  "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL, 4);
    if (!extents || Items(*extents).size() != 4)
        return std::nullopt;
    // Left, right, top and bottom.
    const std::span<const std::uint32_t> widths = Items(*extents);
    return QMargins(int(widths[0]), int(widths[2]), int(widths[1]), int(widths[3]));
}

bool RequestFrameExtents(WId window) {
    xcb_connection_t* connection = WindowConnection();
    if (connection == nullptr)
        return false;
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const auto geometry = Owned(xcb_get_geometry_reply(
        connection, xcb_get_geometry(connection, static_cast<xcb_window_t>(window)), nullptr));
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
    return std::make_unique<EventWatch>(
        XCB_PROPERTY_NOTIFY, [window = static_cast<xcb_window_t>(window), extents,
                              changed = std::move(changed)](const void* event) {
            const auto* change = static_cast<const xcb_property_notify_event_t*>(event);
            if (change->window == window && change->atom == extents)
                changed();
        });
}

} // namespace cw
