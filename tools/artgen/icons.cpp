// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include "ball_families.h"
#include "resources/art_names.h"

#include <cmath>
#include <numbers>

namespace artgen {
namespace {

constexpr int kSize = 32;

// The options dialog previews each shape in one ball colour; in shape order.
constexpr std::array<int, cw::art::kShapeFamilies.size()> kShapeIconColours{3, 4, 0, 4, 1, 5, 2, 0};

Canvas DrawShapeIcon(std::size_t family) {
    const Canvas drawing = DrawFamilyPicture(family, kSize);
    return Recolour(drawing, ColoursOf(kShapeIconColours[family]), kTransparent);
}

// A raised grey cell, white along its top and filled red below, like a cell with a stack, and
// the pointing hand over it.
Canvas DrawApplicationIcon(const Grid& hand) {
    Canvas icon(kSize, kSize);
    icon.fillRect(1, 1, 30, 30, Black);
    icon.fillRect(2, 2, 28, 28, LightGrey);
    icon.fillRect(2, 2, 28, 2, White);
    icon.fillRect(2, 2, 2, 28, White);
    icon.fillRect(4, 19, 26, 11, Red);
    icon.fillRect(28, 4, 2, 26, DarkGrey);
    icon.fillRect(4, 28, 26, 2, DarkGrey);
    icon.paste(hand.pixels, 8, 5);
    return icon;
}

void DrawLeaf(Canvas& icon, double cx, double cy, double angle, std::uint8_t colour) {
    const double along[2] = {std::cos(angle), std::sin(angle)};
    ForEachPixel(icon, kSize, [&](int x, int y, double u, double v) {
        const double du = u - cx;
        const double dv = v - cy;
        const double a = (du * along[0] + dv * along[1]) / 2.9;
        const double b = (-du * along[1] + dv * along[0]) / 1.5;
        if (a * a + b * b < 1.0)
            icon.set(x, y, colour);
    });
}

// Two laurel branches rising from a red bow, each leaf leaning outward along the branch.
void DrawWreath(Canvas& icon) {
    constexpr double kCentreX = 16.0;
    constexpr double kCentreY = 16.0;
    constexpr double kRadius = 12.2;
    constexpr int kLeaves = 8;
    for (int side = -1; side <= 1; side += 2) {
        for (int leaf = 0; leaf < kLeaves; ++leaf) {
            const double angle = std::numbers::pi / 2 + side * (0.45 + leaf * 0.31);
            const double swing = leaf % 2 == 0 ? 1.6 : -1.6; // leaves alternate in and out
            const double cx = kCentreX + (kRadius + swing) * std::cos(angle);
            const double cy = kCentreY + (kRadius + swing) * std::sin(angle);
            const double tangent = angle + side * (std::numbers::pi / 2 + 0.35 * swing);
            DrawLeaf(icon, cx, cy, tangent, leaf % 2 == 0 ? Green : DarkGreen);
        }
    }
    icon.fillRect(13, 27, 6, 3, Red);
    icon.set(12, 30, Red);
    icon.set(19, 30, Red);
    icon.set(11, 31, Red);
    icon.set(20, 31, Red);
}

void DrawTorch(Canvas& icon) {
    ForEachPixel(icon, kSize, [&](int x, int y, double u, double v) {
        // The handle narrows towards the bottom.
        if (v > 16 && v < 26 && std::abs(u - 16) < 2.2 - (v - 16) * 0.08)
            icon.set(x, y, u < 16 ? Yellow : DarkYellow);
        if (v > 14 && v < 17 && std::abs(u - 16) < 3.8)
            icon.set(x, y, u < 15 ? White : DarkGrey);
        // A teardrop flame flickering to the left at its tip.
        const double dv = (v - 9.5) / 6.0;
        const double width =
            dv < 0 ? 4.2 * (1 + dv) * (1 + dv) * 0.9 + 0.3 : 4.3 * std::sqrt(1 - dv * dv);
        const double du = std::abs(u - 16 - (dv < 0 ? dv * 1.2 : 0.0));
        if (v > 2 && v < 14.5 && du < width)
            icon.set(x, y, du < width * 0.4 && v > 8 ? White : (du < width * 0.72 ? Yellow : Red));
    });
}

Canvas DrawTorchIcon() {
    Canvas icon(kSize, kSize);
    DrawWreath(icon);
    DrawTorch(icon);
    Outline(icon, Black);
    return icon;
}

} // namespace

std::vector<IconPicture> DrawIcons(const std::map<std::string, Grid>& hand) {
    std::vector<IconPicture> icons;
    icons.push_back({cw::art::kWindowIcon, DrawApplicationIcon(FindGrid(hand, "HAND"))});
    icons.push_back({cw::art::kNameDialogIcon, DrawTorchIcon()});
    for (std::size_t family = 0; family < cw::art::kShapeFamilies.size(); ++family)
        icons.push_back({cw::art::kShapeFamilies[family].iconNumber, DrawShapeIcon(family)});
    return icons;
}

Canvas DrawHandCursor(const std::map<std::string, Grid>& hand) {
    Canvas cursor(kSize, kSize);
    cursor.paste(FindGrid(hand, "HAND").pixels, 0, 0);
    return cursor;
}

} // namespace artgen
