// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/draw_helpers.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace cw {
namespace {

QImage Canvas(int width, int height, QRgb fill = qRgb(1, 2, 3)) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xff000000u;
}

TEST(DrawHelpers, SunkenBevelSwapsWhiteAndDarkGreyAndZeroDepthDrawsTheOutlineOnly) {
    QImage image = Canvas(25, 25);
    QPainter painter(&image);
    DrawFramedRect(painter, 0, 0, 25, 25, -1);
    painter.end();
    EXPECT_EQ(Pixel(image, 0, 0), kBlack);
    EXPECT_EQ(Pixel(image, 24, 24), kBlack);
    EXPECT_EQ(Pixel(image, 1, 1), kDarkGrey);
    EXPECT_EQ(Pixel(image, 1, 22), kDarkGrey);
    EXPECT_EQ(Pixel(image, 23, 1), kDarkGrey);
    EXPECT_EQ(Pixel(image, 1, 23), kWhite);
    EXPECT_EQ(Pixel(image, 23, 23), kWhite);
    EXPECT_EQ(Pixel(image, 23, 2), kWhite);
    EXPECT_EQ(Pixel(image, 12, 12), kLightGrey);

    QImage flat = Canvas(10, 5);
    painter.begin(&flat);
    DrawFramedRect(painter, 0, 0, 10, 5, 0);
    painter.end();
    EXPECT_EQ(Pixel(flat, 9, 4), kBlack);
    EXPECT_EQ(Pixel(flat, 1, 1), kLightGrey);
    EXPECT_EQ(Pixel(flat, 8, 3), kLightGrey);
}

TEST(DrawHelpers, ColourSquareHasOutlineHighlightAndShadow) {
    QImage image = Canvas(24, 24);
    QPainter painter(&image);
    DrawColorSquare(painter, 2, 3, 20, 21, Palette(3));
    painter.end();
    EXPECT_EQ(Pixel(image, 1, 3), qRgb(1, 2, 3)); // left of the square: untouched
    EXPECT_EQ(Pixel(image, 2, 3), kBlack);
    EXPECT_EQ(Pixel(image, 19, 20), kBlack);
    EXPECT_EQ(Pixel(image, 20, 20), qRgb(1, 2, 3));
    EXPECT_EQ(Pixel(image, 3, 4), kWhite);  // highlight corner
    EXPECT_EQ(Pixel(image, 3, 18), kWhite); // highlight column, lowest row
    EXPECT_EQ(Pixel(image, 3, 19), qRgb(255, 255, 0));
    EXPECT_EQ(Pixel(image, 17, 4), kWhite); // highlight row, last column
    EXPECT_EQ(Pixel(image, 18, 4), qRgb(255, 255, 0));
    EXPECT_EQ(Pixel(image, 5, 18), kDarkGrey); // shadow row, first column
    EXPECT_EQ(Pixel(image, 17, 18), kDarkGrey);
    EXPECT_EQ(Pixel(image, 17, 6), kDarkGrey); // shadow column, top
    EXPECT_EQ(Pixel(image, 17, 5), qRgb(255, 255, 0));
    EXPECT_EQ(Pixel(image, 10, 10), qRgb(255, 255, 0));
}

TEST(DrawHelpers, PaletteHasEightColours) {
    EXPECT_EQ(Palette(0), qRgb(255, 0, 0));
    EXPECT_EQ(Palette(5), qRgb(0, 255, 255));
    EXPECT_EQ(Palette(7), qRgb(128, 128, 0));
    EXPECT_FALSE(IsPaletteColour(8));
    EXPECT_FALSE(IsPaletteColour(-1));
}

} // namespace
} // namespace cw
