#include "ui/cell_images.h"

#include "game/state.h"

#include <utility>

namespace cw {
namespace {

const QImage& NullImage() {
    static const QImage null;
    return null;
}

} // namespace

QString ShapeFamilyPrefix(std::int32_t shape) {
    static const std::array<const char*, 9> prefixes = {
        "BALL", "ATOM", "BALL", "DICE", "SPIR", "BALU", "FLAKE", "PILL", "ROUND",
    };
    if (shape < 0 || shape >= static_cast<std::int32_t>(prefixes.size()))
        return {};
    return QString::fromLatin1(prefixes[static_cast<std::size_t>(shape)]);
}

CellImages::CellImages(BitmapLoader loader) : loader_(std::move(loader)) {}

void CellImages::Build(std::int32_t& shape) {
    if (shape < 0 || shape > 8)
        shape = 0;
    const QString prefix = ShapeFamilyPrefix(shape);
    const QImage grey = loader_(prefix + u'7');
    for (int colour = 0; colour < kBallColours; ++colour) {
        normal_[colour] = FramedCellPicture(loader_(prefix + QString::number(colour)));
        alternate_[colour] = FramedCellPicture(grey);
    }
    normal_[kJoker] = FramedCellPicture(loader_(QStringLiteral("BIGSMILE")));
    alternate_[kJoker] = FramedCellPicture(loader_(QStringLiteral("SMALLSMILE")));
}

void CellImages::Free() {
    normal_.fill(QImage());
    alternate_.fill(QImage());
}

const QImage& CellImages::normal(std::int32_t colour) const {
    return IsPaletteColour(colour) ? normal_[static_cast<std::size_t>(colour)] : NullImage();
}

const QImage& CellImages::alternate(std::int32_t colour) const {
    return IsPaletteColour(colour) ? alternate_[static_cast<std::size_t>(colour)] : NullImage();
}

} // namespace cw
