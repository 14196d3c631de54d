// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/face_tiles.h"

#include "resources/resource_lookup.h"
#include "ui/cell_images.h"

#include <utility>

namespace cw {
namespace {

bool IsFace(int face) {
    return face >= 0 && face < kFaceCount;
}

} // namespace

QString FaceName(int face) {
    return IsFace(face) ? ArtName(art::kFaceNames[static_cast<std::size_t>(face)]) : QString();
}

FaceTiles::FaceTiles(BitmapLoader loader) : loader_(std::move(loader)) {}

void FaceTiles::Build() {
    for (int face = 0; face < kFaceCount; ++face)
        tiles_[static_cast<std::size_t>(face)] = FramedCellPicture(loader_(FaceName(face)));
}

const QImage& FaceTiles::tile(int face) {
    static const QImage null;
    if (!IsFace(face))
        return null;
    if (tiles_.front().isNull())
        Build();
    return tiles_[static_cast<std::size_t>(face)];
}

} // namespace cw
