// SPDX-License-Identifier: GPL-3.0-or-later
#include "render_test_support.h"

#include "game/state.h"
#include "resources/resource_lookup.h"
#include "ui/cell_images.h"
#include "ui/face_tiles.h"

#include <gtest/gtest.h>

namespace cw::test {
namespace {

TEST(DrawHelpers, FramedRaisedCellHasOutlineBevelAndLightGreyInside) {
    const QImage cell = FramedCellPicture();
    ASSERT_EQ(cell.size(), QSize(42, 42));
    for (int y = 0; y < 42; ++y) {
        for (int x = 0; x < 42; ++x)
            ASSERT_EQ(Pixel(cell, x, y), ExpectedFramePixel(x, y)) << x << "," << y;
    }
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

TEST(CellImages, MissingBitmapsLeaveTheFramedCell) {
    CellImages images([](const QString&) { return QImage(); });
    std::int32_t shape = 2;
    images.Build(shape);
    EXPECT_EQ(images.normal(1), FramedCellPicture());
    EXPECT_EQ(images.alternate(kJoker), FramedCellPicture());
}

TEST(FaceTiles, TwelveFramedTilesWithTheFaceAtThreeThree) {
    QStringList requested;
    FaceTiles tiles(RecordingLoader(requested));
    tiles.Build();
    // In the order of the rules' face numbers.
    EXPECT_EQ(requested, QStringList({"BAD", "CHUCKLE", "MESSED", "OOO", "SAD", "SIDE", "SMIRK",
                                      "STRAIT", "SURPRISE", "UNSURE", "WINK", "YAWN"}));
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
