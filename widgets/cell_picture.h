// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The board cell as the game draws it.

#include <QImage>

#include <cstdint>

namespace cw {

inline constexpr int kCellPixels = 42;

// The raised cell frame (black outline, white top and left edge, dark grey bottom and right
// edge, light grey inside) with `face` copied at (3, 3); a null face leaves the empty cell.
QImage FramedCellPicture(const QImage& face = QImage());

// Top row of the stack band of a stack of 2..6 (stack 2: 31, stack 5: 1).
int StackBandTop(std::int32_t stack);
// Recolours the light-grey pixels of columns 1..40 of row y of a 32-bit picture; rows outside
// the picture are left alone.
void RecolourBandRow(QImage& picture, int y, QRgb colour);

} // namespace cw
