#pragma once

#include "canvas.h"
#include "pixel_grid.h"

#include <map>
#include <string>

namespace artgen {

// The 300 x 200 picture of the About box; `font` holds one grid per character.
Canvas DrawAboutPicture(const std::map<std::string, Grid>& font);

} // namespace artgen
