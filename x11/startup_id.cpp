// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11/startup_id.h"

#include "x11/xcb_replies.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstring>

namespace cw {
namespace {

// A startup-notification message travels in pieces of this many bytes, ended by a nul byte.
constexpr qsizetype kPieceBytes = 20;

// The connection of the game's windows, when there is an id to hand on.
xcb_connection_t* Connection(const QByteArray& id) {
    return id.isEmpty() ? nullptr : WindowConnection();
}

// A value of a message's key, with the quote and backslash that would end or escape it
// escaped; the id has no spaces.
QByteArray Escaped(QByteArray value) {
    return value.replace('\\', "\\\\").replace('"', "\\\"");
}

// Broadcasts `text` to every client that watches the root window, as the pieces of one message
// identified by a window made for it alone.
void Broadcast(xcb_connection_t* connection, const QByteArray& text) {
    const xcb_atom_t begin = Atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = Atom(connection, "_NET_STARTUP_INFO");
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (begin == XCB_ATOM_NONE || more == XCB_ATOM_NONE || screen == nullptr)
        return;
    const xcb_window_t sender = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, sender, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    const QByteArray bytes = text + '\0';
    for (qsizetype at = 0; at < bytes.size(); at += kPieceBytes) {
        xcb_client_message_event_t piece{};
        piece.response_type = XCB_CLIENT_MESSAGE;
        piece.format = 8;
        piece.window = sender;
        piece.type = at == 0 ? begin : more;
        const qsizetype length = std::min(kPieceBytes, bytes.size() - at);
        std::memcpy(piece.data.data8, bytes.constData() + at, static_cast<std::size_t>(length));
        xcb_send_event(connection, 0, screen->root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&piece));
    }
    xcb_destroy_window(connection, sender);
}

} // namespace

void AdoptStartupId(WId window, const QByteArray& id) {
    xcb_connection_t* connection = Connection(id);
    if (connection == nullptr)
        return;
    const xcb_atom_t property = Atom(connection, "_NET_STARTUP_ID");
    const xcb_atom_t utf8 = Atom(connection, "UTF8_STRING");
    if (property == XCB_ATOM_NONE || utf8 == XCB_ATOM_NONE)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window),
                        property, utf8, 8, static_cast<std::uint32_t>(id.size()), id.constData());
    xcb_flush(connection);
}

void EndStartup(const QByteArray& id) {
    if (xcb_connection_t* connection = Connection(id)) {
        Broadcast(connection, "remove: ID=" + Escaped(id));
        xcb_flush(connection);
    }
}

} // namespace cw
