// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"
#include "pixel_grid.h"

#include <map>
#include <string>

namespace artgen {

// The 300 x 200 picture of the About box. Each font holds one grid per character: `font` for
// the credit lines, `titleFont` for the name on the title plate.
Canvas DrawAboutPicture(const std::map<std::string, Grid>& font,
                        const std::map<std::string, Grid>& titleFont);

} // namespace artgen
