// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace artgen {

// Indices of the standard 16-colour palette, in the order the bitmap files store it.
inline constexpr std::uint8_t Black = 0;
inline constexpr std::uint8_t DarkRed = 1;
inline constexpr std::uint8_t DarkGreen = 2;
inline constexpr std::uint8_t DarkYellow = 3;
inline constexpr std::uint8_t DarkBlue = 4;
inline constexpr std::uint8_t DarkMagenta = 5;
inline constexpr std::uint8_t DarkCyan = 6;
inline constexpr std::uint8_t LightGrey = 7;
inline constexpr std::uint8_t DarkGrey = 8;
inline constexpr std::uint8_t Red = 9;
inline constexpr std::uint8_t Green = 10;
inline constexpr std::uint8_t Yellow = 11;
inline constexpr std::uint8_t Blue = 12;
inline constexpr std::uint8_t Magenta = 13;
inline constexpr std::uint8_t Cyan = 14;
inline constexpr std::uint8_t White = 15;
// The colours of those indices as 0xRRGGBB.
inline constexpr std::array<std::uint32_t, 16> kPaletteRgb{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
// Placeholder shades: a ball family is drawn once in these and recoloured per ball colour.
inline constexpr std::uint8_t ToneDeep = 16;
inline constexpr std::uint8_t ToneDark = 17;
inline constexpr std::uint8_t ToneMid = 18;
inline constexpr std::uint8_t ToneGloss = 19;
inline constexpr std::uint8_t ToneContrast = 20;
inline constexpr std::uint8_t AltDeep = 21;
inline constexpr std::uint8_t AltDark = 22;
inline constexpr std::uint8_t AltMid = 23;
inline constexpr std::uint8_t AltGloss = 24;

inline constexpr std::uint8_t kTransparent = 255;

struct Canvas {
    Canvas(int w, int h, std::uint8_t fill = kTransparent);

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::uint8_t at(int x, int y) const;
    void set(int x, int y, std::uint8_t colour);
    void fillRect(int x, int y, int w, int h, std::uint8_t colour);
    // Copies every pixel of src that is not transparent, with src's top-left at (x, y).
    void paste(const Canvas& src, int x, int y);
    void replace(std::uint8_t from, std::uint8_t to);

    int width;
    int height;
    std::vector<std::uint8_t> pixels;
};

// Calls paint(x, y, u, v) for every pixel, where (u, v) is the pixel centre in a design space
// of `units` across the canvas width, so one drawing serves a 36-pixel bitmap and a 32-pixel
// icon alike.
void ForEachPixel(Canvas& canvas, double units,
                  const std::function<void(int x, int y, double u, double v)>& paint);

// Picks a colour of a tone ramp for a continuous level: whole levels are solid, halfway levels
// a checkerboard of the two neighbours. Level 0 is `first`, 1 is first + 1 and so on.
std::uint8_t Tone(double level, int x, int y, std::uint8_t first = ToneDeep);

void DrawLine(Canvas& canvas, int x0, int y0, int x1, int y1, std::uint8_t colour);

// Gives each transparent pixel that touches (4-neighbour) a drawn pixel the colour `colour`.
void Outline(Canvas& canvas, std::uint8_t colour);

// Gives each drawn pixel that touches (4-neighbour) a transparent pixel the colour `colour`.
void Rim(Canvas& canvas, std::uint8_t colour);

// Gives every transparent pixel that the canvas edge cannot reach through transparent pixels
// the colour `colour`: pockets enclosed by a shape would otherwise take the background colour.
void FillHoles(Canvas& canvas, std::uint8_t colour);

// An ellipse in design units (see ForEachPixel).
struct Oval {
    double cx;
    double cy;
    double rx;
    double ry;
};

// Shades a ball lit from the upper left, with a dark rim and a gloss spot, in the tone ramp
// that starts at `first`. A negative `shift` darkens the whole ball by that many levels.
void ShadeBall(Canvas& canvas, double units, const Oval& oval, std::uint8_t first = ToneDeep,
               double shift = 0.0);

} // namespace artgen
