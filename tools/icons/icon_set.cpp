// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon_set.h"

#include "tools/artgen/pixel_grid.h"

#include <charconv>
#include <stdexcept>
#include <string>

namespace cw::icons {
namespace {

constexpr int kArtSide = 32;

std::string SizeText(int side) {
    return std::to_string(side) + " x " + std::to_string(side);
}

QImage Enlarged(const QImage& art, int side) {
    if (side % kArtSide != 0)
        throw std::runtime_error("no hand-drawn picture for " + SizeText(side) +
                                 ", and it is no whole multiple of the " + SizeText(kArtSide) +
                                 " art");
    // Qt::FastTransformation samples the nearest pixel: at a whole factor every art pixel
    // becomes a solid block, with no blended colour between neighbours.
    return art.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QRgb Colour(std::uint8_t pixel, const std::string& path, const std::string& name) {
    if (pixel == artgen::kTransparent)
        return qRgba(0, 0, 0, 0);
    if (pixel >= artgen::kPaletteRgb.size())
        throw std::runtime_error(path + ": picture [" + name + "] has a placeholder shade");
    return 0xFF000000u | artgen::kPaletteRgb[pixel];
}

} // namespace

std::map<int, QImage> BuildHicolorIcons(const QImage& art, const std::map<int, QImage>& drawn) {
    if (art.size() != QSize(kArtSide, kArtSide))
        throw std::runtime_error("the application icon art must be " + SizeText(kArtSide));
    std::map<int, QImage> icons;
    for (const int side : kHicolorSizes) {
        const auto found = drawn.find(side);
        QImage icon = found != drawn.end() ? found->second : Enlarged(art, side);
        if (icon.size() != QSize(side, side))
            throw std::runtime_error("the picture for " + SizeText(side) + " is " +
                                     std::to_string(icon.width()) + " x " +
                                     std::to_string(icon.height()));
        icons.emplace(side, icon.convertToFormat(QImage::Format_ARGB32));
    }
    return icons;
}

std::map<int, QImage> LoadDrawnSizes(const std::string& path) {
    std::map<int, QImage> bySize;
    for (const auto& [name, grid] : artgen::LoadGrids(path)) {
        int side = 0;
        const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), side);
        if (error != std::errc() || end != name.data() + name.size() || side <= 0)
            throw std::runtime_error(path + ": picture [" + name + "] is not named by its size");
        QImage picture(grid.pixels.width, grid.pixels.height, QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, Colour(grid.pixels.at(x, y), path, name));
        }
        bySize.emplace(side, picture);
    }
    return bySize;
}

} // namespace cw::icons
