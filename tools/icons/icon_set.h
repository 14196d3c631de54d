// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <array>
#include <map>
#include <string>

namespace cw::icons {

// The sizes of the hicolor theme that the game installs its icon at.
inline constexpr std::array<int, 8> kHicolorSizes{16, 22, 24, 32, 48, 64, 128, 256};

// The application icon at every hicolor size. `art` is the 32 x 32 application icon; a size
// in `drawn` (keyed by its side) is taken as drawn; any other size must be a whole multiple
// of 32 and is enlarged from `art` by repeating pixels, so the art keeps its hard edges.
// Throws std::runtime_error when a size has no picture or a picture has the wrong size.
std::map<int, QImage> BuildHicolorIcons(const QImage& art, const std::map<int, QImage>& drawn);

// The hand-drawn pictures of a grid file in the art generator's legend, each named by its
// side ("[16]", "[48]") and keyed by it; a name that is no number, or a placeholder shade,
// throws.
std::map<int, QImage> LoadDrawnSizes(const std::string& path);

} // namespace cw::icons
