// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon_set.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QTemporaryFile>

#include <stdexcept>

namespace cw::icons {
namespace {

QImage Solid(int side, QRgb colour) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// Every pixel differs from its right and lower neighbours, so any blending of neighbours
// while enlarging shows up as a colour that is not in the art.
QImage PatternedArt() {
    QImage art(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            art.setPixel(x, y, x == y ? qRgba(0, 0, 0, 0) : qRgb(x * 8, y * 8, (x + y) % 2 * 255));
    }
    return art;
}

std::map<int, QImage> DrawnSmallSizes() {
    return {{16, Solid(16, qRgb(1, 0, 0))},
            {22, Solid(22, qRgb(2, 0, 0))},
            {24, Solid(24, qRgb(3, 0, 0))},
            {48, Solid(48, qRgb(4, 0, 0))}};
}

// Writes `grids` to a scratch file, which the icon generator must refuse.
void ExpectRefused(const char* grids) {
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write(grids);
    file.close();
    EXPECT_THROW(LoadDrawnSizes(file.fileName().toStdString()), std::runtime_error) << grids;
}

TEST(HicolorIcons, EnlargesTheArtByRepeatingPixelsAndTakesHandDrawnSizesAsDrawn) {
    const QImage art = PatternedArt();
    const auto drawn = DrawnSmallSizes();
    const auto icons = BuildHicolorIcons(art, drawn);
    ASSERT_EQ(icons.size(), kHicolorSizes.size());
    EXPECT_EQ(icons.at(32), art);
    for (const int side : {64, 128, 256}) {
        const QImage& icon = icons.at(side);
        ASSERT_EQ(icon.size(), QSize(side, side));
        const int factor = side / 32;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x)
                ASSERT_EQ(icon.pixel(x, y), art.pixel(x / factor, y / factor))
                    << side << " at " << x << "," << y;
        }
    }
    for (const auto& [side, picture] : drawn)
        EXPECT_EQ(icons.at(side), picture) << side;
}

TEST(HicolorIcons, RefusesMissingOrMisfitPictures) {
    auto withoutFortyEight = DrawnSmallSizes();
    withoutFortyEight.erase(48);
    EXPECT_THROW(BuildHicolorIcons(PatternedArt(), withoutFortyEight), std::runtime_error);

    auto wrongSize = DrawnSmallSizes();
    wrongSize[22] = Solid(24, qRgb(0, 0, 0));
    EXPECT_THROW(BuildHicolorIcons(PatternedArt(), wrongSize), std::runtime_error);

    EXPECT_THROW(BuildHicolorIcons(Solid(16, qRgb(0, 0, 0)), DrawnSmallSizes()),
                 std::runtime_error);
    ExpectRefused("[small]\nK\n");
    ExpectRefused("[16]\n0\n"); // a placeholder shade has no colour of its own
    ExpectRefused("[16]\nK\n\n[16]\nW\n");
    ExpectRefused("KK\n");
}

// The shipped pictures: exactly the sizes that cannot be enlarged from the art, each square,
// in the colours of the icon only (a wrong letter would slip in a colour of the palette).
TEST(HicolorIcons, ShippedGridsDrawEverySmallSizeInTheIconColours) {
    const auto drawn = LoadDrawnSizes(COBBLEWELL_ICON_GRIDS);
    std::vector<int> sides;
    for (const auto& entry : drawn)
        sides.push_back(entry.first);
    EXPECT_EQ(sides, (std::vector<int>{16, 22, 24, 48}));

    const QSet<QRgb> iconColours{qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(192, 192, 192),
                                 qRgb(128, 128, 128), qRgb(255, 0, 0)};
    for (const auto& [side, picture] : drawn) {
        QSet<QRgb> used;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (qAlpha(picture.pixel(x, y)) != 0)
                    used.insert(picture.pixel(x, y));
            }
        }
        EXPECT_EQ(used, iconColours) << side;
    }
    EXPECT_NO_THROW(BuildHicolorIcons(PatternedArt(), drawn));
}

} // namespace
} // namespace cw::icons
