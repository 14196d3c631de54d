// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace artgen {

using Bytes = std::vector<std::uint8_t>;

// 4 bpp with the standard 16-colour palette. Every pixel must be a palette index 0..15.
Bytes EncodeBmp4(const Canvas& canvas);
// 1 bpp, index 0 black and index 1 white; pixels other than 0 count as set.
Bytes EncodeBmp1(const Canvas& canvas);
// One 32 x 32, 16-colour image with its AND mask; transparent pixels go to the mask.
Bytes EncodeIcon(const Canvas& canvas);
// One 32 x 32 monochrome cursor: White and Black pixels drawn, transparent ones masked.
Bytes EncodeCursor(const Canvas& canvas, int hotX, int hotY);

void WriteFile(const std::filesystem::path& path, const Bytes& bytes);

} // namespace artgen
