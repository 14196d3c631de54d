// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"

namespace artgen {

// 13 x 276 strip of seven-segment glyphs (1 = lit), top to bottom: minus, blank, 9 .. 0.
Canvas DrawLcdStrip();
// 20 x 20 picture of the new-game button.
Canvas DrawNewButton();
// 160 x 28 strip of eight 20 x 28 sparkle frames on black.
Canvas DrawSparkleStrip();

} // namespace artgen
