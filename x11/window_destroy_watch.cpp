// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11/window_destroy_watch.h"

#include <QCoreApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <utility>

namespace cw {

WindowDestroyWatch::WindowDestroyWatch(const QWidget& window, std::function<void()> destroyed)
    : window_(window), destroyed_(std::move(destroyed)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

bool WindowDestroyWatch::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY)
        return false;
    const auto* destroy = static_cast<const xcb_destroy_notify_event_t*>(message);
    if (window_.internalWinId() != 0 && destroy->window == window_.internalWinId())
        destroyed_();
    return false;
}

} // namespace cw
