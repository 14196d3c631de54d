// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cell_images.h"

#include "game/state.h"
#include "resources/art_names.h"
#include "resources/resource_lookup.h"

#include <utility>

namespace cw {
namespace {

// Shape 0 has no family of its own and borrows the balls of shape 2.
constexpr std::int32_t kShapeZeroStandIn = 2;

const QImage kNullImage;

} // namespace

CellImages::CellImages(BitmapLoader loader) : loader_(std::move(loader)) {}

void CellImages::Build(std::int32_t& shape) {
    if (shape < 0 || shape > static_cast<std::int32_t>(art::kShapeFamilies.size()))
        shape = 0;
    const std::int32_t shown = shape == 0 ? kShapeZeroStandIn : shape;
    const QString prefix = ArtName(art::kShapeFamilies[static_cast<std::size_t>(shown - 1)].prefix);
    const QImage grey = loader_(prefix + QString::number(art::kGreyPicture));
    for (int colour = 0; colour < kBallColours; ++colour) {
        normal_[colour] = FramedCellPicture(loader_(prefix + QString::number(colour)));
        alternate_[colour] = FramedCellPicture(grey);
    }
    normal_[kJoker] = FramedCellPicture(loader_(ArtName(art::kJokerPicture)));
    alternate_[kJoker] = FramedCellPicture(loader_(ArtName(art::kJokerAlternatePicture)));
}

const QImage& CellImages::normal(std::int32_t colour) const {
    return IsPaletteColour(colour) ? normal_[static_cast<std::size_t>(colour)] : kNullImage;
}

const QImage& CellImages::alternate(std::int32_t colour) const {
    return IsPaletteColour(colour) ? alternate_[static_cast<std::size_t>(colour)] : kNullImage;
}

} // namespace cw
