// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>

#include <functional>
#include <memory>

class QWidget;

namespace cw {

// Another X client can destroy the game's window (XDestroyWindow) without asking it to close
// first; nothing but the X event tells. Calls `destroyed` when that happens to `window`, for as
// long as the watch lives. When Qt itself replaces a window, the event of the old one arrives
// once the new one is in use, so only the window in use counts.
std::unique_ptr<QAbstractNativeEventFilter> WatchWindowDestroyed(const QWidget& window,
                                                                 std::function<void()> destroyed);

} // namespace cw
