// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace cw {

// Centres the outer frame of `dialog` over `owner`'s frame, or on the screen without an owner,
// keeping it within the screen's available area (the screen less the desktop's panels). Call
// once the dialog has its final size, before it is shown: the frame it will get is asked of the
// window manager then, so it opens in place.
void CenterDialog(QWidget* dialog, const QWidget* owner);

// Shrinks `window` where its outer frame would not fit the available area of `owner`'s screen,
// or its own without an owner; a window that fits keeps its size. Call before it is shown.
void FitToScreen(QWidget* window, const QWidget* owner);

} // namespace cw
