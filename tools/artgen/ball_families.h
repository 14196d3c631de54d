// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"
#include "resources/art_names.h"

#include <array>
#include <cstddef>

namespace artgen {

inline constexpr int kBallColours = cw::art::kFamilyPictures; // 0..6 the ball colours, 7 grey

// Real colours for the placeholder shades, for one ball colour.
struct Ramp {
    std::uint8_t deep;
    std::uint8_t dark;
    std::uint8_t mid;
    std::uint8_t gloss;
    std::uint8_t contrast;
};

struct BallColours {
    Ramp main;
    Ramp alt; // the second kind of piece some families mix in (the atom's dark spheres)
};

BallColours ColoursOf(int ballColour);

// Replaces every placeholder shade; transparent pixels become `background`.
Canvas Recolour(const Canvas& drawing, const BallColours& colours, std::uint8_t background);

// The shape of the art table's family number `family`, in placeholder shades, on a
// transparent square canvas of `size` pixels.
Canvas DrawFamilyPicture(std::size_t family, int size);

} // namespace artgen
