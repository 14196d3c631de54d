// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"
#include "pixel_grid.h"

#include <map>
#include <string>
#include <vector>

namespace artgen {

// The joker's pictures: "BIGSMILE", "SMALLSMILE" and the twelve faces, in file-name order.
const std::vector<std::string>& FaceNames();

// A 36 x 36 face on light grey: the yellow disc with the features of the grid of that name.
Canvas DrawFacePicture(const std::string& name, const std::map<std::string, Grid>& features);

} // namespace artgen
