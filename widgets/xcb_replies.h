// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every conversation with the X server here needs: replies freed as xcb hands them out,
// and atoms by name. Only for code that has made sure the platform is xcb.

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace cw {

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
