// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QWindow>

#include <functional>
#include <memory>
#include <optional>

namespace cw {

// The frame an X11 window manager puts around a top-level window (EWMH), in device pixels.
// Everything here does nothing, or finds nothing, away from X11.

// Whether the game's windows are on an X server.
bool OnX11();

// The frame the window manager has set on `window` (_NET_FRAME_EXTENTS), if it has set one.
std::optional<QMargins> FrameExtents(WId window);

// Asks the window manager how it will frame the not yet mapped `window`; it answers by setting
// the frame extents. False where it does not offer to answer (_NET_REQUEST_FRAME_EXTENTS).
bool RequestFrameExtents(WId window);

// Calls `changed` whenever the frame extents of `window` change, for as long as the watch
// lives. The events of the connection are Qt's: the watch sees them as Qt handles them.
std::unique_ptr<QAbstractNativeEventFilter> WatchFrameExtents(WId window,
                                                              std::function<void()> changed);

} // namespace cw
