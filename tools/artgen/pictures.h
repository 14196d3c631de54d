// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pictures other than the ball families: the faces (faces.cpp), the panels (panels.cpp),
// the About picture (about_picture.cpp), the icons and the cursor (icons.cpp).

#include "canvas.h"
#include "pixel_grid.h"

#include <map>
#include <string>
#include <vector>

namespace artgen {

// A 36 x 36 face on light grey: the yellow disc with the features of the grid of that name.
Canvas DrawFacePicture(const std::string& name, const std::map<std::string, Grid>& features);

// 13 x 276 strip of seven-segment glyphs (1 = lit), top to bottom: minus, blank, 9 .. 0.
Canvas DrawLcdStrip();
// 20 x 20 picture of the new-game button.
Canvas DrawNewButton();
// 160 x 28 strip of eight 20 x 28 sparkle frames on black.
Canvas DrawSparkleStrip();

// The 300 x 200 picture of the About box. Each font holds one grid per character: `font` for
// the credit lines, `titleFont` for the name on the title plate.
Canvas DrawAboutPicture(const std::map<std::string, Grid>& font,
                        const std::map<std::string, Grid>& titleFont);

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
