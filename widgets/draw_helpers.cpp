// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/draw_helpers.h"

#include "resources/resource_lookup.h"

#include <QPainter>

#include <array>
#include <cstdlib>

namespace cw {
namespace {

constexpr std::array<QRgb, 8> kPalette = {
    qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(0, 0, 255),     qRgb(255, 255, 0),
    qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255), qRgb(128, 128, 0),
};

// A one-pixel black outline filled with `fill`; false when the rectangle is empty.
bool FillOutlined(QPainter& painter, int left, int top, int right, int bottom, QRgb fill) {
    const int width = right - left;
    const int height = bottom - top;
    if (width <= 0 || height <= 0)
        return false;
    painter.fillRect(left, top, width, height, QColor(kBlack));
    if (width > 2 && height > 2)
        painter.fillRect(left + 1, top + 1, width - 2, height - 2, QColor(fill));
    return true;
}

} // namespace

void DrawBevel(QPainter& painter, int left, int top, int right, int bottom, int depth) {
    const int lines = std::abs(depth);
    const QRgb light = depth > 0 ? kWhite : kDarkGrey;
    const QRgb shade = depth > 0 ? kDarkGrey : kWhite;
    for (int i = 1; i <= lines; ++i) {
        DrawLine(painter, left + i, top + i, left + i, bottom - 1, light);
        DrawLine(painter, left + i, top + i, right - 1, top + i, light);
    }
    for (int i = 1; i <= lines; ++i) {
        DrawLine(painter, left + i, bottom - i - 1, right - 1, bottom - i - 1, shade);
        DrawLine(painter, right - i - 1, bottom - 2, right - i - 1, top + i, shade);
    }
}

bool IsPaletteColour(std::int32_t colour) {
    return colour >= 0 && colour < static_cast<std::int32_t>(kPalette.size());
}

QRgb Palette(std::int32_t colour) {
    return IsPaletteColour(colour) ? kPalette[static_cast<std::size_t>(colour)] : kBlack;
}

BitmapLoader ResourceBitmapLoader() {
    return [](const QString& name) { return LoadBitmap(name); };
}

void DrawLine(QPainter& painter, int x0, int y0, int x1, int y1, QRgb colour) {
    if (y0 == y1 && x0 != x1) {
        const int first = x0 < x1 ? x0 : x1 + 1;
        painter.fillRect(first, y0, std::abs(x1 - x0), 1, QColor(colour));
    } else if (x0 == x1 && y0 != y1) {
        const int first = y0 < y1 ? y0 : y1 + 1;
        painter.fillRect(x0, first, 1, std::abs(y1 - y0), QColor(colour));
    }
}

void DrawFramedRect(QPainter& painter, int left, int top, int right, int bottom, int depth) {
    if (FillOutlined(painter, left, top, right, bottom, kLightGrey))
        DrawBevel(painter, left, top, right, bottom, depth); // none for a depth of 0
}

void DrawColorSquare(QPainter& painter, int left, int top, int right, int bottom, QRgb colour) {
    if (!FillOutlined(painter, left, top, right, bottom, colour))
        return;
    DrawLine(painter, left + 1, bottom - 3, left + 1, top + 1, kWhite);
    DrawLine(painter, left + 1, top + 1, right - 2, top + 1, kWhite);
    DrawLine(painter, left + 3, bottom - 3, right - 3, bottom - 3, kDarkGrey);
    DrawLine(painter, right - 3, bottom - 3, right - 3, top + 2, kDarkGrey);
}

} // namespace cw
