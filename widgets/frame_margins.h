// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QPoint>

class QWidget;

namespace cw {

// The frame that the window manager puts around the top-level `window`: the one it has, once
// framed; before the window is first shown, the window manager's own estimate where it gives
// one (X11 window managers answer _NET_REQUEST_FRAME_EXTENTS; asking creates the native
// window). None where the window system places windows itself (Wayland), without a window
// manager, or when it does not answer in time.
QMargins ExpectedFrameMargins(QWidget* window);

// Moves `window` so that its outer frame, `frame` around it, starts at `frameTopLeft`, whether
// or not Qt knows that frame yet.
void MoveFrameTo(QWidget* window, QPoint frameTopLeft, const QMargins& frame);

} // namespace cw
