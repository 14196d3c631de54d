#pragma once

#include <QString>

#include <array>

namespace cw {

struct ShapeInfo {
    const char* listText;
    int iconNumber;
};

// In list order; shape number = index + 1. The icon numbers do not follow the list.
inline constexpr std::array<ShapeInfo, 8> kShapeTable{{
    {"Atom", 11},
    {"Ball", 12},
    {"Dice", 15},
    {"Spiral", 18},
    {"Balloon", 13},
    {"Flake", 16},
    {"Round", 17},
    {"Circles", 14},
}};

} // namespace cw
