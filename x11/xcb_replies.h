// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every conversation with the X server here needs: the connection of the game's windows,
// replies freed as xcb hands them out, atoms by name, and the events Qt takes from it.

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <utility>

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

// Empty when the server does not answer.
template <typename Reply> ReplyPointer<Reply> Owned(Reply* reply) {
    return ReplyPointer<Reply>(reply, &std::free);
}

// XCB_ATOM_NONE when the server does not answer.
inline xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto length = static_cast<std::uint16_t>(std::strlen(name));
    const auto reply = Owned(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, length, name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Calls `seen` with every event of `type` as Qt handles it, for as long as the watch lives;
// Qt handles each event as before.
class EventWatch final : public QAbstractNativeEventFilter {
public:
    EventWatch(std::uint8_t type, std::function<void(const void* event)> seen)
        : type_(type), seen_(std::move(seen)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& kind, void* message, qintptr*) override {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if (kind == "xcb_generic_event_t" && (event->response_type & ~0x80) == type_)
            seen_(message);
        return false;
    }

private:
    std::uint8_t type_;
    std::function<void(const void* event)> seen_;
};

} // namespace cw
