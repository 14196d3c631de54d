// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"
#include "resources/art_names.h"

#include <array>
#include <string>

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

struct Family {
    std::string prefix;
    // Draws the family's shape in placeholder shades on a transparent canvas of any size.
    void (*draw)(Canvas& canvas);
};

// In shape order, named as the art table names them.
const std::array<Family, cw::art::kShapeFamilies.size()>& Families();

// The family's shape on a transparent square canvas of `size` pixels, in placeholder shades.
Canvas DrawFamilyPicture(const Family& family, int size);

// The family drawings, each in a design space 36 units across.
void DrawAtom(Canvas& canvas);
void DrawBall(Canvas& canvas);
void DrawDice(Canvas& canvas);
void DrawSpiral(Canvas& canvas);
void DrawBalloons(Canvas& canvas);
void DrawFlake(Canvas& canvas);
void DrawPill(Canvas& canvas);
void DrawCircles(Canvas& canvas);

} // namespace artgen
