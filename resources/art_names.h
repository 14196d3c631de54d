// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The names of the game's pictures, read by the art generator that draws them and the game
// that loads them. Plain C++: the generator has no Qt.

#include "game/host.h"
#include "game/player_text.h"

#include <array>
#include <string_view>

namespace cw::art {

// One family of ball pictures per shape, in shape order (shape = index + 1). Its bitmaps are
// the prefix followed by a digit: 0..6 the ball colours, 7 the grey form of every colour.
struct ShapeFamily {
    std::string_view prefix;
    std::string_view listText; // in the Options dialog, translated in the context "Shape"
    int iconNumber;            // its preview there; the numbers do not follow the shapes
};

inline constexpr std::array<ShapeFamily, 8> kShapeFamilies{{
    {"ATOM", TranslatableText("Shape", "Atom"), 11},
    {"BALL", TranslatableText("Shape", "Ball"), 12},
    {"DICE", TranslatableText("Shape", "Dice"), 15},
    {"SPIR", TranslatableText("Shape", "Spiral"), 18},
    {"BALU", TranslatableText("Shape", "Balloon"), 13},
    {"FLAKE", TranslatableText("Shape", "Flake"), 16},
    {"PILL", TranslatableText("Shape", "Round"), 17},
    {"ROUND", TranslatableText("Shape", "Circles"), 14},
}};
inline constexpr int kFamilyPictures = 8;
inline constexpr int kGreyPicture = 7;

// The joker's two pictures on the board.
inline constexpr std::string_view kJokerPicture = "BIGSMILE";
inline constexpr std::string_view kJokerAlternatePicture = "SMALLSMILE";
// The faces a lone joker pulls, in the order the face timer numbers them.
inline constexpr std::array<std::string_view, kFaceCount> kFaceNames{
    "BAD",   "CHUCKLE", "MESSED",   "OOO",    "SAD",  "SIDE",
    "SMIRK", "STRAIT",  "SURPRISE", "UNSURE", "WINK", "YAWN",
};

inline constexpr std::string_view kLcdPicture = "LCD";
inline constexpr std::string_view kNewButtonPicture = "NEW";
inline constexpr std::string_view kSparklePicture = "SPARKLE";
inline constexpr std::string_view kAboutPicture = "ABOUT";

inline constexpr int kWindowIcon = 3;
inline constexpr int kNameDialogIcon = 5;

// Its hot spot is written into the cursor file and read back from there.
inline constexpr std::string_view kHandCursor = "HAND";

} // namespace cw::art
