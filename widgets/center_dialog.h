// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace cw {

// Centres `dialog` over `owner`'s frame, or on the screen without an owner, keeping it on
// the screen. Call once the dialog has its final size, before it is shown.
void CenterDialog(QWidget* dialog, const QWidget* owner);

} // namespace cw
