// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace artgen {

Canvas::Canvas(int w, int h, std::uint8_t fill)
    : width(w), height(h), pixels(static_cast<std::size_t>(w * h), fill) {}

std::uint8_t Canvas::at(int x, int y) const {
    return contains(x, y) ? pixels[static_cast<std::size_t>(y * width + x)] : kTransparent;
}

void Canvas::set(int x, int y, std::uint8_t colour) {
    if (contains(x, y))
        pixels[static_cast<std::size_t>(y * width + x)] = colour;
}

void Canvas::fillRect(int x, int y, int w, int h, std::uint8_t colour) {
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column)
            set(column, row, colour);
    }
}

void Canvas::paste(const Canvas& src, int x, int y) {
    for (int row = 0; row < src.height; ++row) {
        for (int column = 0; column < src.width; ++column) {
            const std::uint8_t colour = src.at(column, row);
            if (colour != kTransparent)
                set(x + column, y + row, colour);
        }
    }
}

void Canvas::replace(std::uint8_t from, std::uint8_t to) {
    std::replace(pixels.begin(), pixels.end(), from, to);
}

void ForEachPixel(Canvas& canvas, double units,
                  const std::function<void(int x, int y, double u, double v)>& paint) {
    const double scale = units / canvas.width;
    for (int y = 0; y < canvas.height; ++y) {
        for (int x = 0; x < canvas.width; ++x)
            paint(x, y, (x + 0.5) * scale, (y + 0.5) * scale);
    }
}

std::uint8_t Tone(double level, int x, int y, std::uint8_t first) {
    const double clamped = std::clamp(level, 0.0, 3.0);
    int whole = static_cast<int>(std::floor(clamped));
    const double fraction = clamped - whole;
    if (fraction > 0.75)
        ++whole;
    else if (fraction > 0.25 && (x + y) % 2 == 0)
        ++whole;
    return static_cast<std::uint8_t>(first + std::min(whole, 3));
}

void DrawLine(Canvas& canvas, int x0, int y0, int x1, int y1, std::uint8_t colour) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (true) {
        canvas.set(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            return;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

namespace {

// Gives `colour` to each pixel whose transparency is `transparent` and that touches
// (4-neighbour) a pixel whose transparency is not; beyond the edge counts as transparent.
void Border(Canvas& canvas, std::uint8_t colour, bool transparent) {
    const Canvas before = canvas;
    const auto clear = [&before](int x, int y) { return before.at(x, y) == kTransparent; };
    for (int y = 0; y < canvas.height; ++y) {
        for (int x = 0; x < canvas.width; ++x) {
            if (clear(x, y) == transparent &&
                (clear(x - 1, y) != transparent || clear(x + 1, y) != transparent ||
                 clear(x, y - 1) != transparent || clear(x, y + 1) != transparent))
                canvas.set(x, y, colour);
        }
    }
}

} // namespace

void Outline(Canvas& canvas, std::uint8_t colour) {
    Border(canvas, colour, true);
}

void Rim(Canvas& canvas, std::uint8_t colour) {
    Border(canvas, colour, false);
}

void FillHoles(Canvas& canvas, std::uint8_t colour) {
    std::vector<bool> reached(canvas.pixels.size(), false);
    std::vector<std::pair<int, int>> open;
    const auto visit = [&](int x, int y) {
        if (!canvas.contains(x, y) || canvas.at(x, y) != kTransparent)
            return;
        const auto index = static_cast<std::size_t>(y * canvas.width + x);
        if (!reached[index]) {
            reached[index] = true;
            open.emplace_back(x, y);
        }
    };
    for (int x = 0; x < canvas.width; ++x) {
        visit(x, 0);
        visit(x, canvas.height - 1);
    }
    for (int y = 0; y < canvas.height; ++y) {
        visit(0, y);
        visit(canvas.width - 1, y);
    }
    while (!open.empty()) {
        const auto [x, y] = open.back();
        open.pop_back();
        visit(x + 1, y);
        visit(x - 1, y);
        visit(x, y + 1);
        visit(x, y - 1);
    }
    for (std::size_t i = 0; i < canvas.pixels.size(); ++i) {
        if (canvas.pixels[i] == kTransparent && !reached[i])
            canvas.pixels[i] = colour;
    }
}

void ShadeBall(Canvas& canvas, double units, const Oval& oval, std::uint8_t first, double shift) {
    const double pixel = units / canvas.width;
    const double rimWidth = 1.05 * pixel / std::min(oval.rx, oval.ry);
    ForEachPixel(canvas, units, [&](int x, int y, double u, double v) {
        const double nx = (u - oval.cx) / oval.rx;
        const double ny = (v - oval.cy) / oval.ry;
        const double d2 = nx * nx + ny * ny;
        if (d2 > 1.0)
            return;
        const double nz = std::sqrt(1.0 - d2);
        // Light from the upper left and a little in front.
        const double diffuse = std::max(0.0, -0.55 * nx - 0.6 * ny + 0.58 * nz);
        double level = 1.05 + 1.45 * diffuse;
        const double sx = nx + 0.38;
        const double sy = ny + 0.42;
        if (sx * sx + sy * sy < 0.05)
            level = 3.0;
        else if (sx * sx + sy * sy < 0.11)
            level = std::max(level, 2.5);
        level += shift;
        if (std::sqrt(d2) > 1.0 - rimWidth)
            level = std::min(level, 1.0 + shift);
        canvas.set(x, y, Tone(std::max(level, 0.0), x, y, first));
    });
}

} // namespace artgen
