// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace cw {

// Blocks the GUI thread for `ms` milliseconds; no input, timer or paint is handled meanwhile.
// The caller repaints (QWidget::repaint, not update) whatever must be seen during the pause
// before calling this, since nothing queued gets painted until the pause is over.
void PauseFor(int ms);

// A pause as the drawing code takes it, so tests can record pauses instead of sleeping.
using PauseFunction = std::function<void(int ms)>;

} // namespace cw
