// SPDX-License-Identifier: GPL-3.0-or-later
#include "lettering.h"

namespace artgen {
namespace {

constexpr int kSpaceWidth = 3;

int Advance(const std::map<std::string, Grid>& font, char character, const TextStyle& style) {
    if (character == ' ')
        return kSpaceWidth * style.scale;
    const int width = FindGrid(font, std::string(1, character)).pixels.width;
    return (width + 1) * style.scale + (style.bold ? 1 : 0);
}

} // namespace

int TextWidth(const std::map<std::string, Grid>& font, const std::string& text,
              const TextStyle& style) {
    int width = 0;
    for (const char character : text)
        width += Advance(font, character, style);
    return text.empty() ? 0 : width - style.scale;
}

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

} // namespace artgen
