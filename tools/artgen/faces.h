// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"
#include "pixel_grid.h"

#include <map>
#include <string>

namespace artgen {

// A 36 x 36 face on light grey: the yellow disc with the features of the grid of that name.
Canvas DrawFacePicture(const std::string& name, const std::map<std::string, Grid>& features);

} // namespace artgen
