// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <array>
#include <map>

namespace cw::icons {

// The sizes of the hicolor theme that the game installs its icon at.
inline constexpr std::array<int, 8> kHicolorSizes{16, 22, 24, 32, 48, 64, 128, 256};

// The application icon at every hicolor size. `art` is the 32 x 32 application icon; a size
// in `drawn` (keyed by its side) is taken as drawn; any other size must be a whole multiple
// of 32 and is enlarged from `art` by repeating pixels, so the art keeps its hard edges.
// Throws std::runtime_error when a size has no picture or a picture has the wrong size.
std::map<int, QImage> BuildHicolorIcons(const QImage& art, const std::map<int, QImage>& drawn);

// Hand-drawn pictures named by their side ("[16]", "[48]") keyed by that side; a picture
// whose name is not a number throws.
std::map<int, QImage> PicturesBySize(const std::map<QString, QImage>& pictures);

} // namespace cw::icons
