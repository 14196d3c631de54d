// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"
#include "pixel_grid.h"

#include <map>
#include <string>
#include <vector>

namespace artgen {

struct IconPicture {
    int number;
    Canvas pixels; // 32 x 32; transparent pixels go to the mask
};

std::vector<IconPicture> DrawIcons(const std::map<std::string, Grid>& hand);

// 32 x 32: White and Black drawn, the rest transparent.
Canvas DrawHandCursor(const std::map<std::string, Grid>& hand);

inline constexpr int kCursorHotX = 6;
inline constexpr int kCursorHotY = 0;

} // namespace artgen
