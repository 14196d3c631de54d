// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every conversation with the X server here needs: the connection of the game's windows,
// replies freed as xcb hands them out, and atoms by name.

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace cw {

// The connection the game's windows live on; none away from X11. Other platforms may offer an
// X11 connection of their own (offscreen does), but only on xcb are the windows on it.
inline xcb_connection_t* WindowConnection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != u"xcb" || x11 == nullptr)
        return nullptr;
    return x11->connection();
}

template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

// XCB_ATOM_NONE when the server does not answer.
inline xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const ReplyPointer<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace cw
