// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace cw {

// Centres the outer frame of `dialog` over `owner`'s frame, or on the screen without an owner,
// keeping it on the screen. Call once the dialog has its final size, before it is shown: the
// frame it will get is asked of the window manager then, so it opens in place.
void CenterDialog(QWidget* dialog, const QWidget* owner);

} // namespace cw
