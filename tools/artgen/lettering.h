// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"
#include "pixel_grid.h"

#include <map>
#include <string>

namespace artgen {

struct TextStyle {
    std::uint8_t colour = Black;
    int scale = 1;
    bool bold = false;
};

// Width in pixels of `text` in the grid font.
int TextWidth(const std::map<std::string, Grid>& font, const std::string& text,
              const TextStyle& style);

// Draws `text` with its cap line at row `top`, starting at column `left`.
void DrawText(Canvas& canvas, const std::map<std::string, Grid>& font, const std::string& text,
              int left, int top, const TextStyle& style);

void DrawCentredText(Canvas& canvas, const std::map<std::string, Grid>& font,
                     const std::string& text, int top, const TextStyle& style);

} // namespace artgen
