// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11/window_destroy_watch.h"

#include "x11/xcb_replies.h"

#include <QWidget>

#include <xcb/xcb.h>

#include <utility>

namespace cw {

std::unique_ptr<QAbstractNativeEventFilter> WatchWindowDestroyed(const QWidget& window,
                                                                 std::function<void()> destroyed) {
    return std::make_unique<EventWatch>(
        XCB_DESTROY_NOTIFY, [&window, destroyed = std::move(destroyed)](const void* event) {
            const WId gone = static_cast<const xcb_destroy_notify_event_t*>(event)->window;
            if (window.internalWinId() != 0 && gone == window.internalWinId())
                destroyed();
        });
}

} // namespace cw
