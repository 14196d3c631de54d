#include "render_test_support.h"

#include "game/state.h"
#include "resources/resource_lookup.h"
#include "ui/cell_images.h"
#include "ui/face_tiles.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace cw::test {
namespace {

QImage Canvas(int width, int height, QRgb fill = qRgb(1, 2, 3)) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

TEST(DrawHelpers, FramedRaisedCellHasOutlineBevelAndLightGreyInside) {
    const QImage cell = FramedCellPicture();
    ASSERT_EQ(cell.size(), QSize(42, 42));
    for (int y = 0; y < 42; ++y) {
        for (int x = 0; x < 42; ++x)
            ASSERT_EQ(Pixel(cell, x, y), ExpectedFramePixel(x, y)) << x << "," << y;
    }
}

TEST(DrawHelpers, SunkenBevelSwapsWhiteAndDarkGrey) {
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
}

TEST(DrawHelpers, ZeroDepthDrawsOutlineOnly) {
    QImage image = Canvas(10, 5);
    QPainter painter(&image);
    DrawFramedRect(painter, 0, 0, 10, 5, 0);
    painter.end();
    EXPECT_EQ(Pixel(image, 9, 4), kBlack);
    EXPECT_EQ(Pixel(image, 1, 1), kLightGrey);
    EXPECT_EQ(Pixel(image, 8, 3), kLightGrey);
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

TEST(DrawHelpers, NullBitmapDrawsNothingAndPaletteHasEightColours) {
    QImage image = Canvas(8, 8);
    QPainter painter(&image);
    BlitBitmap(painter, QImage(), 0, 0);
    painter.end();
    EXPECT_EQ(Pixel(image, 0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(Palette(0), qRgb(255, 0, 0));
    EXPECT_EQ(Palette(5), qRgb(0, 255, 255));
    EXPECT_EQ(Palette(7), qRgb(128, 128, 0));
    EXPECT_FALSE(IsPaletteColour(8));
    EXPECT_FALSE(IsPaletteColour(-1));
}

TEST(CellImages, BuildLoadsTheShapeFamilyAndBothSmiles) {
    QStringList requested;
    CellImages images(RecordingLoader(requested));
    std::int32_t shape = 3;
    images.Build(shape);
    EXPECT_EQ(shape, 3);
    for (const char* name : {"DICE0", "DICE6", "DICE7", "BIGSMILE", "SMALLSMILE"})
        EXPECT_TRUE(requested.contains(QString::fromLatin1(name))) << name;
    EXPECT_FALSE(requested.contains(QStringLiteral("BALL0")));

    const QImage ball = StandInBitmap(QStringLiteral("DICE2"));
    EXPECT_TRUE(SamePixels(images.normal(2), {3, 3}, ball, ball.rect()));
    const QImage grey = StandInBitmap(QStringLiteral("DICE7"));
    EXPECT_TRUE(SamePixels(images.alternate(2), {3, 3}, grey, grey.rect()));
    const QImage small = StandInBitmap(QStringLiteral("SMALLSMILE"));
    EXPECT_TRUE(SamePixels(images.alternate(kJoker), {3, 3}, small, small.rect()));
    EXPECT_EQ(Pixel(images.normal(2), 0, 0), kBlack);
    EXPECT_EQ(Pixel(images.normal(2), 40, 40), kDarkGrey);
    EXPECT_TRUE(images.normal(8).isNull());
}

TEST(CellImages, ShapeOutOfRangeBecomesZeroWhichShowsBalls) {
    for (std::int32_t start : {-1, 9, 0}) {
        QStringList requested;
        CellImages images(RecordingLoader(requested));
        std::int32_t shape = start;
        images.Build(shape);
        EXPECT_EQ(shape, 0);
        EXPECT_TRUE(requested.contains(QStringLiteral("BALL4")));
        EXPECT_TRUE(requested.contains(QStringLiteral("BALL7")));
    }
}

TEST(CellImages, MissingBitmapsLeaveTheFramedCellAndFreeEmptiesEverything) {
    CellImages images([](const QString&) { return QImage(); });
    std::int32_t shape = 2;
    images.Build(shape);
    EXPECT_EQ(images.normal(1), FramedCellPicture());
    EXPECT_EQ(images.alternate(kJoker), FramedCellPicture());
    images.Free();
    EXPECT_TRUE(images.normal(1).isNull());
    EXPECT_TRUE(images.alternate(kJoker).isNull());
}

TEST(FaceTiles, TwelveFramedTilesWithTheFaceAtThreeThree) {
    QStringList requested;
    FaceTiles tiles(RecordingLoader(requested));
    tiles.Build();
    ASSERT_EQ(requested.size(), kFaceCount);
    for (int face = 0; face < kFaceCount; ++face)
        EXPECT_EQ(requested[face], ArtName(art::kFaceNames[std::size_t(face)])) << face;
    for (int face = 0; face < kFaceCount; ++face) {
        const QImage& tile = tiles.tile(face);
        ASSERT_EQ(tile.size(), QSize(42, 42));
        for (int y = 0; y < 42; ++y) {
            for (int x = 0; x < 42; ++x) {
                const bool inFace = x >= 3 && x <= 38 && y >= 3 && y <= 38;
                ASSERT_EQ(Pixel(tile, x, y), inFace ? FaceColour(face) : ExpectedFramePixel(x, y))
                    << face << ": " << x << "," << y;
            }
        }
    }
    EXPECT_TRUE(tiles.tile(12).isNull());
    EXPECT_TRUE(tiles.tile(-1).isNull());
    tiles.Free();
    EXPECT_TRUE(tiles.tile(0).isNull());
}

TEST(ProgramPictures, CellPicturesAndTilesComeFromTheResources) {
    const QImage ball = LoadBitmap(QStringLiteral("BALL3")).convertToFormat(QImage::Format_RGB32);
    const QImage face = LoadBitmap(QStringLiteral("WINK")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(ball.size(), QSize(36, 36));
    ASSERT_EQ(face.size(), QSize(36, 36));
    CellImages images;
    std::int32_t shape = 2;
    images.Build(shape);
    EXPECT_TRUE(SamePixels(images.normal(3), {3, 3}, ball, ball.rect()));
    FaceTiles tiles;
    tiles.Build();
    EXPECT_TRUE(SamePixels(tiles.tile(10), {3, 3}, face, face.rect()));
    // Stack bands find the cell background by this colour in every picture.
    for (std::int32_t each = 0; each <= 8; ++each) {
        images.Build(each);
        for (std::int32_t colour = 0; colour <= kJoker; ++colour) {
            EXPECT_EQ(Pixel(images.normal(colour), 4, 4), kLightGrey) << each << "/" << colour;
            EXPECT_EQ(Pixel(images.alternate(colour), 4, 4), kLightGrey) << each << "/" << colour;
        }
    }
}

} // namespace
} // namespace cw::test
