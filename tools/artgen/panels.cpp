// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <array>
#include <cstdlib>

namespace artgen {
namespace {

constexpr int kGlyphWidth = 13;
constexpr int kGlyphHeight = 23;

// Segments a..g as bits 0..6.
enum Segment { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };

constexpr std::array<int, 10> kDigitSegments{
    A | B | C | D | E | F, B | C,         A | B | D | E | G,
    A | B | C | D | G,     B | C | F | G, A | C | D | F | G,
    A | C | D | E | F | G, A | B | C,     A | B | C | D | E | F | G,
    A | B | C | D | F | G,
};

// A two-pixel segment is a long outer row (or column) beside a shorter inner one, so
// neighbouring segments touch only corner to corner and each stays readable on its own.
void HorizontalBar(Canvas& strip, int top, int outerRow, int innerRow) {
    for (int x = 2; x <= 10; ++x)
        strip.set(x, top + outerRow, 1);
    for (int x = 3; x <= 9; ++x)
        strip.set(x, top + innerRow, 1);
}

void VerticalBar(Canvas& strip, int top, int outerColumn, int innerColumn, int firstRow) {
    for (int y = firstRow; y <= firstRow + 8; ++y)
        strip.set(outerColumn, top + y, 1);
    for (int y = firstRow + 1; y <= firstRow + 7; ++y)
        strip.set(innerColumn, top + y, 1);
}

void DrawGlyph(Canvas& strip, int top, int segments) {
    if (segments & A)
        HorizontalBar(strip, top, 1, 2);
    if (segments & D)
        HorizontalBar(strip, top, 21, 20);
    if (segments & G) {
        HorizontalBar(strip, top, 11, 10);
        HorizontalBar(strip, top, 11, 12);
    }
    if (segments & F)
        VerticalBar(strip, top, 1, 2, 2);
    if (segments & B)
        VerticalBar(strip, top, 11, 10, 2);
    if (segments & E)
        VerticalBar(strip, top, 1, 2, 12);
    if (segments & C)
        VerticalBar(strip, top, 11, 10, 12);
}

void DrawSquare(Canvas& canvas, int left, int top, std::uint8_t colour) {
    canvas.fillRect(left, top, 4, 4, colour);
    canvas.set(left, top, White);
}

// The four pixels (cx ± dx, cy ± dy); with dx or dy 0, the two on that axis.
void SetMirrored(Canvas& canvas, int cx, int cy, int dx, int dy, std::uint8_t colour) {
    for (const int x : {cx + dx, cx - dx}) {
        for (const int y : {cy + dy, cy - dy})
            canvas.set(x, y, colour);
    }
}

// One sparkle: a cross whose arms fade from white to dark yellow, and diagonal rays.
void DrawTwinkle(Canvas& canvas, int cx, int cy, int arm, int ray, int core) {
    const auto rayColour = [](int step, int length) -> std::uint8_t {
        if (step * 3 < length)
            return White;
        return step * 3 < length * 2 ? Yellow : DarkYellow;
    };
    for (int step = 1; step <= arm; ++step) {
        const std::uint8_t colour = rayColour(step, arm);
        const int tall = step + step / 2; // the frame is taller than wide
        SetMirrored(canvas, cx, cy, step, 0, colour);
        SetMirrored(canvas, cx, cy, 0, tall, colour);
        SetMirrored(canvas, cx, cy, 0, tall - 1, colour);
    }
    for (int step = 1; step <= ray; ++step)
        SetMirrored(canvas, cx, cy, step, step, rayColour(step, ray) == White ? White : Cyan);
    for (int dy = -core; dy <= core; ++dy) {
        for (int dx = -core; dx <= core; ++dx) {
            if (std::abs(dx) + std::abs(dy) <= core)
                canvas.set(cx + dx, cy + dy, White);
        }
    }
}

} // namespace

Canvas DrawLcdStrip() {
    Canvas strip(kGlyphWidth, 12 * kGlyphHeight, 0);
    DrawGlyph(strip, 0, G);
    for (int digit = 0; digit <= 9; ++digit) {
        DrawGlyph(strip, 253 - kGlyphHeight * digit,
                  kDigitSegments[static_cast<std::size_t>(digit)]);
    }
    return strip;
}

Canvas DrawNewButton() {
    Canvas button(20, 20, LightGrey);
    static constexpr std::uint8_t kColours[3][3] = {
        {Red, Green, Blue}, {Yellow, Magenta, Cyan}, {Blue, Red, Yellow}};
    button.fillRect(4, 4, 16, 16, Black);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            DrawSquare(button, 5 + 5 * column, 5 + 5 * row, kColours[row][column]);
    }
    // The twinkle sits on the grid's corner and spills over the button face.
    for (int step = 1; step <= 3; ++step) {
        SetMirrored(button, 4, 4, step, 0, step == 3 ? Yellow : White);
        SetMirrored(button, 4, 4, 0, step, step == 3 ? Yellow : White);
    }
    button.set(4, 4, White);
    SetMirrored(button, 4, 4, 1, 1, Yellow);
    return button;
}

Canvas DrawSparkleStrip() {
    struct Frame {
        int arm;
        int ray;
        int core;
    };
    // Grows from a tiny point to a bright cross, bursts into long diagonals, settles to a small
    // cross.
    static constexpr Frame kFrames[8] = {{1, 0, 0}, {3, 0, 0}, {5, 1, 1}, {7, 2, 1},
                                         {8, 8, 2}, {7, 6, 1}, {4, 2, 1}, {2, 0, 0}};
    Canvas strip(160, 28, Black);
    for (int frame = 0; frame < 8; ++frame) {
        const Frame& f = kFrames[frame];
        DrawTwinkle(strip, 20 * frame + 10, 14, f.arm, f.ray, f.core);
    }
    return strip;
}

} // namespace artgen
