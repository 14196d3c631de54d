// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pixel-exact drawing of the game's framed cells, bevels and colour squares. Every line is an
// axis-aligned run that, like the classic line primitive the art was laid out for, leaves
// out its end point; rectangles give their right and bottom edges as exclusive coordinates.

#include <QColor>
#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>

class QPainter;

namespace cw {

inline constexpr QRgb kLightGrey = qRgb(192, 192, 192);
inline constexpr QRgb kDarkGrey = qRgb(128, 128, 128);
inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kBlack = qRgb(0, 0, 0);

// The display colour of colour index 0..7 (7, the joker, is olive).
QRgb Palette(std::int32_t colour);
bool IsPaletteColour(std::int32_t colour);

// Loads a named bitmap; the product passes the resource lookup, tests may pass stand-ins.
using BitmapLoader = std::function<QImage(const QString& name)>;
BitmapLoader ResourceBitmapLoader();

// A line from (x0, y0) towards (x1, y1), end point excluded; only horizontal and vertical
// lines are drawn, which is all the game's art uses.
void DrawLine(QPainter& painter, int x0, int y0, int x1, int y1, QRgb colour);

// Black outline on columns left and right - 1 and rows top and bottom - 1, light grey inside,
// then a bevel of |depth| lines when depth is not 0: a positive depth looks raised (white
// top-left, dark grey bottom-right), a negative one sunken.
void DrawFramedRect(QPainter& painter, int left, int top, int right, int bottom, int depth);
// The bevel alone, its lines inside the rectangle's one-pixel rim.
void DrawBevel(QPainter& painter, int left, int top, int right, int bottom, int depth);
void DrawColorSquare(QPainter& painter, int left, int top, int right, int bottom, QRgb colour);

} // namespace cw
