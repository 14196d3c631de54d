// SPDX-License-Identifier: GPL-3.0-or-later
#include "ball_families.h"

#include <stdexcept>

namespace artgen {

BallColours ColoursOf(int ballColour) {
    // Light colours get black detail (die pips), dark ones white.
    static constexpr std::array<Ramp, kBallColours> kMain{{
        {Black, DarkRed, Red, White, White},
        {Black, DarkGreen, Green, White, Black},
        {Black, DarkBlue, Blue, White, White},
        {Black, DarkYellow, Yellow, White, Black},
        {Black, DarkMagenta, Magenta, White, White},
        {Black, DarkCyan, Cyan, White, Black},
        {Black, DarkGrey, White, White, Black},
        {Black, Black, DarkGrey, White, White},
    }};
    static constexpr Ramp kDarkBlue{Black, Black, DarkBlue, White, White};
    static constexpr Ramp kDarkGrey{Black, Black, Black, DarkGrey, White};
    if (ballColour < 0 || ballColour >= kBallColours)
        throw std::out_of_range("ball colour");
    return {kMain[static_cast<std::size_t>(ballColour)], ballColour == 7 ? kDarkGrey : kDarkBlue};
}

Canvas Recolour(const Canvas& drawing, const BallColours& colours, std::uint8_t background) {
    // The placeholder shades run from ToneDeep to AltGloss, in the order of these colours.
    const std::array<std::uint8_t, AltGloss - ToneDeep + 1> shades{
        colours.main.deep,  colours.main.dark,     colours.main.mid,
        colours.main.gloss, colours.main.contrast, colours.alt.deep,
        colours.alt.dark,   colours.alt.mid,       colours.alt.gloss};
    Canvas result = drawing;
    for (auto& pixel : result.pixels) {
        if (pixel == kTransparent)
            pixel = background;
        else if (pixel >= ToneDeep && pixel <= AltGloss)
            pixel = shades[pixel - ToneDeep];
    }
    return result;
}

const std::array<Family, cw::art::kShapeFamilies.size()>& Families() {
    static const auto kFamilies = [] {
        // Each family's drawing, in the order of the art table's families.
        constexpr std::array<void (*)(Canvas&), cw::art::kShapeFamilies.size()> kDrawings{
            DrawAtom,     DrawBall,  DrawDice, DrawSpiral,
            DrawBalloons, DrawFlake, DrawPill, DrawCircles,
        };
        std::array<Family, cw::art::kShapeFamilies.size()> families;
        for (std::size_t i = 0; i < families.size(); ++i)
            families[i] = {std::string(cw::art::kShapeFamilies[i].prefix), kDrawings[i]};
        return families;
    }();
    return kFamilies;
}

Canvas DrawFamilyPicture(const Family& family, int size) {
    Canvas picture(size, size);
    family.draw(picture);
    FillHoles(picture, ToneDark);
    return picture;
}

} // namespace artgen
