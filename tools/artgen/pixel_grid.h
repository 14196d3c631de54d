// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"

#include <map>
#include <string>

namespace artgen {

// A hand-drawn picture: one character per pixel, placed at (x, y) of the picture it decorates.
struct Grid {
    int x = 0;
    int y = 0;
    Canvas pixels{0, 0};
};

// Reads a grid file. Each grid starts with a "[name]" line, may give its place with "at X Y",
// and continues with its pixel rows up to a blank line. Lines starting with '#' are comments.
// Characters: '.' transparent, K r g y b m c l d R G Y B M C W the 16 palette colours in
// palette order, 0 1 2 3 4 the placeholder shades deep, dark, mid, gloss and contrast.
std::map<std::string, Grid> LoadGrids(const std::string& path);

// Returns the named grid or throws with the file's name, so a typo stops the build loudly.
const Grid& FindGrid(const std::map<std::string, Grid>& grids, const std::string& name);

} // namespace artgen
