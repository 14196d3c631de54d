// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/cell_picture.h"
#include "widgets/draw_helpers.h"

#include <QImage>

#include <array>
#include <cstdint>

namespace cw {

// The sixteen prebuilt 42 x 42 cell pictures of the current shape: for each colour index a
// normal and an alternate picture, each the raised cell frame with a 36 x 36 image at (3, 3).
// Colours 0..6 show the shape's family images (alternate: the grey form); the joker shows
// "BIGSMILE" and, as its alternate, "SMALLSMILE". Painting a cell is then one copy.
class CellImages {
public:
    explicit CellImages(BitmapLoader loader = ResourceBitmapLoader());

    // A shape outside 0..8 is corrected to 0 in place, and the caller keeps that 0. Shape 0
    // has no family of its own and shows the "BALL" images so the board stays playable.
    void Build(std::int32_t& shape);

    // A null image for a colour outside 0..7 or while nothing is built.
    const QImage& normal(std::int32_t colour) const;
    const QImage& alternate(std::int32_t colour) const;

private:
    BitmapLoader loader_;
    std::array<QImage, 8> normal_;
    std::array<QImage, 8> alternate_;
};

} // namespace cw
