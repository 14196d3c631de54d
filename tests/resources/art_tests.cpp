// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the generated pictures, read back the way the game reads them.
#include "art_test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace art_test;

void ExpectBitmapHeader(const BitmapShape& shape) {
    SCOPED_TRACE(shape.name.toStdString());
    const QByteArray data = ReadArt(shape.name + ".bmp");
    ASSERT_GT(data.size(), 54);
    const int colours = 1 << shape.bitsPerPixel;
    const int stride = (shape.width * shape.bitsPerPixel + 31) / 32 * 4;
    EXPECT_EQ(data.left(2), "BM");
    EXPECT_EQ(U32(data, 2), quint32(data.size()));
    EXPECT_EQ(U32(data, 10), quint32(14 + 40 + 4 * colours));
    EXPECT_EQ(U32(data, 14), 40u);
    EXPECT_EQ(int(U32(data, 18)), shape.width);
    EXPECT_EQ(int(U32(data, 22)), shape.height); // positive: bottom-up rows
    EXPECT_EQ(U16(data, 26), 1);
    EXPECT_EQ(U16(data, 28), shape.bitsPerPixel);
    EXPECT_EQ(U32(data, 30), 0u);
    EXPECT_EQ(data.size(), 14 + 40 + 4 * colours + stride * shape.height);
    for (int i = 0; i < colours; ++i) {
        const int entry = 54 + 4 * i;
        const QRgb expected = shape.bitsPerPixel == 1 ? (i ? qRgb(255, 255, 255) : qRgb(0, 0, 0))
                                                      : kStandardPalette[std::size_t(i)];
        EXPECT_EQ(qRgb(uchar(data[entry + 2]), uchar(data[entry + 1]), uchar(data[entry])),
                  expected)
            << "palette entry " << i;
    }
}

TEST(ArtBitmaps, HeadersSizesAndPalettes) {
    for (const auto& shape : BitmapShapes())
        ExpectBitmapHeader(shape);
}

TEST(ArtBitmaps, CellPicturesHaveLightGreyBackgroundAndNoGreyHoles) {
    for (const QString& name : CellPictureNames()) {
        SCOPED_TRACE(name.toStdString());
        const Indexed picture = LoadIndexed(name);
        ASSERT_EQ(picture.width, 36);
        EXPECT_EQ(picture.at(1, 1), kLightGrey);
        for (const auto& [x, y] : {std::pair{0, 0}, {35, 0}, {0, 35}, {35, 35}})
            EXPECT_EQ(picture.at(x, y), kLightGrey);
        EXPECT_EQ(EnclosedLightGrey(picture), 0);
        EXPECT_GT(CountInks(picture).size(), 1u) << "an empty picture";
    }
}

// A stack band recolours the background around the ball in the ball's own colour; the edge of
// the shape must then still show, so it may not be drawn in that colour.
TEST(ArtBitmaps, ColouredBallsAreDominatedByTheirColourAndStayVisibleOnItsBand) {
    for (const QString& family : kFamilies)
        for (int colour = 0; colour < 7; ++colour) {
            const QString name = family + QString::number(colour);
            SCOPED_TRACE(name.toStdString());
            const Indexed picture = LoadIndexed(name);
            const auto counts = CountInks(picture);
            const auto [bright, dark] = kBallInks[std::size_t(colour)];
            int shape = 0;
            int mostOtherHue = 0;
            for (const auto& [index, count] : counts) {
                shape += count;
                const bool neutral = index == kBlack || index == kWhite || index == kDarkGrey;
                if (!neutral && index != bright && index != dark)
                    mostOtherHue = std::max(mostOtherHue, count);
            }
            const int own = counts.count(bright) ? counts.at(bright) : 0;
            EXPECT_GT(own + (counts.count(dark) ? counts.at(dark) : 0), shape * 2 / 5);
            EXPECT_GT(own, mostOtherHue);

            int edge = 0;
            int edgeInBandColour = 0;
            for (int y = 1; y < 35; ++y)
                for (int x = 1; x < 35; ++x) {
                    const int index = picture.at(x, y);
                    const bool touchesBackground =
                        picture.at(x - 1, y) == kLightGrey || picture.at(x + 1, y) == kLightGrey ||
                        picture.at(x, y - 1) == kLightGrey || picture.at(x, y + 1) == kLightGrey;
                    if (index != kLightGrey && touchesBackground) {
                        ++edge;
                        edgeInBandColour += index == bright;
                    }
                }
            EXPECT_LT(edgeInBandColour * 4, edge);
        }
}

TEST(ArtBitmaps, GreyFormsUseOnlyBlackDarkGreyAndWhite) {
    for (const QString& family : kFamilies) {
        SCOPED_TRACE(family.toStdString());
        const auto counts = CountInks(LoadIndexed(family + "7"));
        for (const auto& [index, count] : counts)
            EXPECT_TRUE(index == kBlack || index == kDarkGrey || index == kWhite)
                << "palette index " << index;
        EXPECT_GT(counts.count(kDarkGrey) ? counts.at(kDarkGrey) : 0, 0);
    }
}

TEST(ArtFaces, AreYellowWithBlackOutlinesAndAllDifferent) {
    std::vector<Indexed> faces;
    for (const QString& name : kFaces + kSmiles) {
        SCOPED_TRACE(name.toStdString());
        faces.push_back(LoadIndexed(name));
        const auto counts = CountInks(faces.back());
        const auto largest = std::max_element(counts.begin(), counts.end(),
                                              [](auto a, auto b) { return a.second < b.second; });
        EXPECT_EQ(largest->first, kYellow);
        EXPECT_GT(counts.count(kBlack) ? counts.at(kBlack) : 0, 60);
    }
    for (int a = 0; a < kFaces.size(); ++a)
        for (int b = a + 1; b < kFaces.size(); ++b) {
            int differing = 0;
            for (std::size_t i = 0; i < faces[a].pixels.size(); ++i)
                differing += faces[a].pixels[i] != faces[b].pixels[i];
            EXPECT_GE(differing, 15)
                << kFaces[int(a)].toStdString() << " looks like " << kFaces[int(b)].toStdString();
        }
}

TEST(ArtFaces, SmallSmileFitsThePieceTheNextColoursPanelShows) {
    const Indexed small = LoadIndexed("SMALLSMILE");
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 36; ++x) {
            const bool inPiece = x >= 7 && x < 28 && y >= 7 && y < 28;
            if (!inPiece) {
                EXPECT_EQ(small.at(x, y), kLightGrey) << "at " << x << ", " << y;
            }
        }
}

// Segment centres a..g of a 13 x 23 glyph.
constexpr std::array<std::pair<int, int>, 7> kSegmentCentres{
    {{6, 1}, {11, 6}, {11, 16}, {6, 21}, {1, 16}, {1, 6}, {6, 11}}};

bool Lit(const QImage& strip, int x, int y) {
    return qGray(strip.pixel(x, y)) > 127;
}

TEST(ArtLcd, EachGlyphLightsExactlyItsSegments) {
    const QImage strip(ArtPath("LCD.bmp"), "BMP");
    ASSERT_EQ(strip.size(), QSize(13, 276));
    // "abcdefg" per digit 0..9, then the minus and the blank.
    const std::array<const char*, 10> digits{"1111110", "0110000", "1101101", "1111001", "0110011",
                                             "1011011", "1011111", "1110000", "1111111", "1111011"};
    const auto expectGlyph = [&](int top, const char* segments, const std::string& what) {
        for (std::size_t s = 0; s < 7; ++s) {
            const auto [x, y] = kSegmentCentres[s];
            EXPECT_EQ(Lit(strip, x, top + y), segments[s] == '1')
                << what << " segment " << char('a' + s);
        }
        for (int y = top; y < top + 23; ++y)
            EXPECT_FALSE(Lit(strip, 0, y) || Lit(strip, 12, y)) << what << " touches its neighbour";
    };
    for (int d = 0; d <= 9; ++d)
        expectGlyph(253 - 23 * d, digits[std::size_t(d)], "digit " + std::to_string(d));
    expectGlyph(0, "0000001", "minus");
    expectGlyph(23, "0000000", "blank");
}

TEST(ArtSparkle, GrowsToABurstAndShrinksBackEachFrameInItsOwnColumns) {
    const Indexed strip = LoadIndexed("SPARKLE");
    std::array<int, 8> lit{};
    for (int y = 0; y < strip.height; ++y)
        for (int x = 0; x < strip.width; ++x)
            lit[std::size_t(x / 20)] += strip.at(x, y) != kBlack;
    for (std::size_t frame = 0; frame < 8; ++frame)
        EXPECT_GT(lit[frame], 0) << "frame " << frame;
    const auto peak = std::size_t(std::max_element(lit.begin(), lit.end()) - lit.begin());
    EXPECT_GE(peak, 3u);
    EXPECT_LE(peak, 5u);
    EXPECT_LT(lit[0], lit[peak] / 4);
    EXPECT_LT(lit[7], lit[peak] / 2);
    // Each frame stays inside its own 20 columns, framed in black.
    for (int frame = 0; frame < 8; ++frame) {
        SCOPED_TRACE(frame);
        const int left = 20 * frame;
        for (int y = 0; y < 28; ++y) {
            EXPECT_EQ(strip.at(left, y), kBlack);
            EXPECT_EQ(strip.at(left + 19, y), kBlack);
        }
        for (int x = left; x < left + 20; ++x) {
            EXPECT_EQ(strip.at(x, 0), kBlack);
            EXPECT_EQ(strip.at(x, 27), kBlack);
        }
    }
}

TEST(ArtPanels, NewButtonShowsColouredSquaresUnderATwinkle) {
    const Indexed button = LoadIndexed("NEW");
    std::set<int> hues;
    for (const int index : button.pixels)
        if (index >= 9 && index <= 14)
            hues.insert(index);
    EXPECT_GE(hues.size(), 5u);
    int whiteNearCorner = 0;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            whiteNearCorner += button.at(x, y) == kWhite;
    EXPECT_GE(whiteNearCorner, 5);
    EXPECT_EQ(button.at(0, 19), kLightGrey) << "the button face shows around the picture";
}

TEST(ArtPanels, AboutPictureHasItsPlatesTitleAndCredits) {
    const Indexed about = LoadIndexed("ABOUT");
    ASSERT_EQ(about.width, 300);
    const auto counts = CountInks(about);
    EXPECT_GT(counts.count(6) ? counts.at(6) : 0, 300 * 200 / 5) << "a teal plate";
    const auto countIn = [&](int left, int top, int right, int bottom, int index) {
        int found = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                found += about.at(x, y) == index;
        return found;
    };
    EXPECT_GT(countIn(30, 18, 270, 72, kRed), 600) << "the name in red on the title plate";
    EXPECT_GT(countIn(30, 18, 270, 72, kLightGrey), 3000) << "a grey title plate";
    EXPECT_GT(countIn(30, 92, 270, 182, kWhite), 12000) << "a white credits panel";
    EXPECT_GT(countIn(30, 92, 270, 182, kBlack), 400) << "lines of credits";
    for (const auto& [x, y] : {std::pair{12, 12}, {287, 12}, {12, 187}, {287, 187}})
        EXPECT_NE(about.at(x, y), 6) << "a screw head at " << x << ", " << y;
}

} // namespace
