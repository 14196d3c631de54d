// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include "ball_families.h"

#include <map>
#include <string>

namespace artgen {
namespace {

struct TextStyle {
    std::uint8_t colour = Black;
    int scale = 1;
    bool bold = false;
};

constexpr int kSpaceWidth = 3;

int Advance(const std::map<std::string, Grid>& font, char character, const TextStyle& style) {
    if (character == ' ')
        return kSpaceWidth * style.scale;
    const int width = FindGrid(font, std::string(1, character)).pixels.width;
    return (width + 1) * style.scale + (style.bold ? 1 : 0);
}

// Width in pixels of `text` in the grid font.
int TextWidth(const std::map<std::string, Grid>& font, const std::string& text,
              const TextStyle& style) {
    int width = 0;
    for (const char character : text)
        width += Advance(font, character, style);
    return text.empty() ? 0 : width - style.scale;
}

// Draws `text` with its cap line at row `top`, starting at column `left`.
void DrawText(Canvas& canvas, const std::map<std::string, Grid>& font, const std::string& text,
              int left, int top, const TextStyle& style) {
    int x = left;
    for (const char character : text) {
        if (character != ' ') {
            const Canvas& glyph = FindGrid(font, std::string(1, character)).pixels;
            for (int row = 0; row < glyph.height; ++row) {
                for (int column = 0; column < glyph.width; ++column) {
                    if (glyph.at(column, row) == kTransparent)
                        continue;
                    const int width = style.scale + (style.bold ? 1 : 0);
                    canvas.fillRect(x + column * style.scale, top + row * style.scale, width,
                                    style.scale, style.colour);
                }
            }
        }
        x += Advance(font, character, style);
    }
}

void DrawCentredText(Canvas& canvas, const std::map<std::string, Grid>& font,
                     const std::string& text, int top, const TextStyle& style) {
    DrawText(canvas, font, text, (canvas.width - TextWidth(font, text, style)) / 2, top, style);
}

constexpr int kWidth = 300;
constexpr int kHeight = 200;

struct Box {
    int left;
    int top;
    int right; // exclusive
    int bottom;
};

// A black outline with a bevel inside it: `light` along the top and left, `shade` along the
// bottom and right.
void DrawPanel(Canvas& canvas, const Box& box, std::uint8_t face, std::uint8_t light,
               std::uint8_t shade, int depth) {
    canvas.fillRect(box.left, box.top, box.right - box.left, box.bottom - box.top, Black);
    canvas.fillRect(box.left + 1, box.top + 1, box.right - box.left - 2, box.bottom - box.top - 2,
                    face);
    for (int i = 1; i <= depth; ++i) {
        for (int x = box.left + i; x < box.right - i; ++x) {
            canvas.set(x, box.top + i, light);
            canvas.set(x, box.bottom - 1 - i, shade);
        }
        for (int y = box.top + i; y < box.bottom - i; ++y) {
            canvas.set(box.left + i, y, light);
            canvas.set(box.right - 1 - i, y, shade);
        }
    }
}

void DrawScrew(Canvas& canvas, int cx, int cy) {
    Canvas head(14, 14);
    ShadeBall(head, 14, {7.0, 7.0, 6.5, 6.5});
    for (int i = 3; i <= 10; ++i) {
        head.set(i, 13 - i, ToneDeep); // the slot
        head.set(i, 14 - i, ToneGloss);
    }
    head = Recolour(head, {{Black, DarkGrey, LightGrey, White, White}, {}}, kTransparent);
    canvas.paste(head, cx - 7, cy - 7);
}

// Red letters leaning forward, with a white top edge, a black outline and a dark red shadow.
// The lean moves whole letter pixels, so the strokes keep clean steps.
void DrawTitle(Canvas& canvas, const std::map<std::string, Grid>& font, const std::string& text,
               int top) {
    constexpr int kScale = 3;
    constexpr int kRows = 11;
    const TextStyle style{Red, kScale, false};
    const int width = TextWidth(font, text, style);
    Canvas upright(width, kRows * kScale);
    DrawText(upright, font, text, 0, 0, style);
    Canvas letters(width + kRows, upright.height);
    for (int y = 0; y < upright.height; ++y) {
        const int lean = kRows - 1 - y / kScale;
        for (int x = 0; x < upright.width; ++x)
            letters.set(x + lean, y, upright.at(x, y));
    }
    const Canvas solid = letters;
    for (int y = 0; y < letters.height; ++y) {
        for (int x = 0; x < letters.width; ++x) {
            if (solid.at(x, y) != Red)
                continue;
            if (solid.at(x, y - 1) == kTransparent || solid.at(x - 1, y) == kTransparent)
                letters.set(x, y, solid.at(x, y - 1) == kTransparent ? White : Yellow);
            else if (solid.at(x, y + 1) == kTransparent || solid.at(x + 1, y) == kTransparent)
                letters.set(x, y, DarkRed);
        }
    }
    Canvas shadow = solid;
    shadow.replace(Red, DarkGrey);
    Outline(letters, Black);
    const int left = (canvas.width - letters.width) / 2;
    canvas.paste(shadow, left + 3, top + 3);
    canvas.paste(letters, left, top);
}

} // namespace

Canvas DrawAboutPicture(const std::map<std::string, Grid>& font,
                        const std::map<std::string, Grid>& titleFont) {
    Canvas picture(kWidth, kHeight);
    DrawPanel(picture, {0, 0, kWidth, kHeight}, DarkCyan, Cyan, Black, 2);
    for (const int x : {12, kWidth - 13}) {
        for (const int y : {12, kHeight - 13})
            DrawScrew(picture, x, y);
    }
    DrawPanel(picture, {26, 14, kWidth - 26, 76}, LightGrey, White, DarkGrey, 2);
    DrawTitle(picture, titleFont, "Cobblewell", 28);
    DrawPanel(picture, {26, 88, kWidth - 26, 186}, White, DarkGrey, LightGrey, 1);
    DrawCentredText(picture, font, "Cobblewell 1.0", 100, {DarkBlue, 1, true});
    DrawCentredText(picture, font, "Game design and programming", 122, {Black, 1, true});
    DrawCentredText(picture, font, "by the Cobblewell team", 136, {Black, 1, true});
    DrawCentredText(picture, font, "Thanks for playing!", 162, {DarkRed, 1, true});
    return picture;
}

} // namespace artgen
