// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/host.h"
#include "resources/art_names.h"
#include "widgets/draw_helpers.h"

#include <QImage>

#include <array>

namespace cw {

// The faces a lone joker pulls, each prebuilt as a whole cell picture (the raised
// frame with the 36 x 36 face at (3, 3)), so showing one is a single copy over the cell.
class FaceTiles {
public:
    explicit FaceTiles(BitmapLoader loader = ResourceBitmapLoader());

    // The tiles are drawn when the first one is asked for: most games open no face at all,
    // and none shows while the window opens.
    void Build();

    // A null image for an index outside 0 to kFaceCount - 1.
    const QImage& tile(int face);

private:
    BitmapLoader loader_;
    std::array<QImage, kFaceCount> tiles_;
};

// The bitmap name of a face, in the order the face timer numbers them.
QString FaceName(int face);

} // namespace cw
