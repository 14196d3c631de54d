// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include "ball_families.h"
#include "resources/art_names.h"

#include <cmath>

namespace artgen {
namespace {

constexpr int kSize = 36;
constexpr double kCentre = 17.5;

// A plain yellow disc, a touch of shade towards the lower right and a small gloss spot.
Canvas DrawDisc(double radius) {
    Canvas disc(kSize, kSize);
    ForEachPixel(disc, kSize, [&](int x, int y, double u, double v) {
        const double du = (u - kCentre) / radius;
        const double dv = (v - kCentre) / radius;
        const double d = std::hypot(du, dv);
        if (d >= 1.0)
            return;
        double level = 2.0;
        if (d > 0.8 && du + dv > 0.75)
            level = 1.5;
        if (std::hypot(du + 0.55, dv + 0.55) < 0.13)
            level = 3.0;
        disc.set(x, y, Tone(level, x, y));
    });
    Outline(disc, ToneDeep);
    return Recolour(disc, {{Black, DarkYellow, Yellow, White, Black}, {}}, kTransparent);
}

} // namespace

Canvas DrawFacePicture(const std::string& name, const std::map<std::string, Grid>& features) {
    // The small face fills exactly the 21 x 21 piece at (7, 7) that the next-colours panel shows.
    Canvas picture = DrawDisc(name == cw::art::kJokerAlternatePicture ? 9.0 : 16.0);
    const Grid& grid = FindGrid(features, name);
    picture.paste(grid.pixels, grid.x, grid.y);
    picture.replace(kTransparent, LightGrey);
    return picture;
}

} // namespace artgen
