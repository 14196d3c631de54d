// SPDX-License-Identifier: GPL-3.0-or-later
#include "render_test_support.h"

#include "resources/resource_lookup.h"
#include "ui/toolbar_panels.h"

#include <QTest>
#include <gtest/gtest.h>

namespace cw::test {
namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);

// The stand-in glyph cell drawn at digit position i: the column of its one top-row segment
// pixel, checked against the corner pixel every stand-in glyph has. -1 when none is there.
int GlyphCellAt(const QImage& panel, int i, QRgb segment) {
    if (Pixel(panel, 1 + 13 * i + 12, 1 + 22) != segment)
        return -1;
    for (int x = 0; x < 12; ++x) {
        if (Pixel(panel, 1 + 13 * i + x, 1) == segment)
            return x;
    }
    return -1;
}

// Digit d sits in glyph cell 11 - d; cell 0 is the minus sign.
std::vector<int> Digits(const QImage& panel, QRgb segment) {
    std::vector<int> digits;
    for (int i = 0; i < 4; ++i)
        digits.push_back(11 - GlyphCellAt(panel, i, segment));
    return digits;
}

class Toolbar : public ::testing::Test {
protected:
    void SetUp() override {
        std::int32_t shape = 2;
        images.Build(shape);
    }
    QImage Score() { return LcdPanel(false, game, nullptr, StandInLoader()).picture(); }
    QImage Best() { return LcdPanel(true, game, nullptr, StandInLoader()).picture(); }

    GameState game;
    CellImages images{StandInLoader()};
};

TEST(LcdText, FourDigitsPaddedOrCut) {
    EXPECT_EQ(LcdText(0), "0000");
    EXPECT_EQ(LcdText(120), "0120");
    EXPECT_EQ(LcdText(12345), "1234");
    EXPECT_EQ(LcdText(-5), "-005");
}

TEST_F(Toolbar, LcdPanelsHaveASunkenEdgeAndStartGreenAndRed) {
    const QImage score = Score();
    ASSERT_EQ(score.size(), QSize(54, 25));
    EXPECT_EQ(Pixel(score, 0, 0), kDarkGrey);
    EXPECT_EQ(Pixel(score, 53, 0), kDarkGrey);
    EXPECT_EQ(Pixel(score, 0, 23), kDarkGrey);
    EXPECT_EQ(Pixel(score, 0, 24), kWhite);
    EXPECT_EQ(Pixel(score, 52, 24), kWhite);
    EXPECT_EQ(Pixel(score, 53, 1), kWhite);
    EXPECT_EQ(Pixel(score, 53, 24), kWhite);
    EXPECT_EQ(Digits(score, kGreen), std::vector<int>({0, 0, 0, 0}));
    EXPECT_EQ(Pixel(score, 2, 2), kBlack); // clear bits are black
    EXPECT_EQ(Digits(Best(), kRed), std::vector<int>({0, 0, 0, 0}));
}

TEST_F(Toolbar, ColoursSwapOnlyOnceTheScorePassesTheBest) {
    game.level = Intermediate;
    game.best = {999, 120, 999};
    EXPECT_EQ(Digits(Best(), kRed), std::vector<int>({0, 1, 2, 0}));
    EXPECT_EQ(Digits(Score(), kGreen), std::vector<int>({0, 0, 0, 0}));
    game.score = 120;
    EXPECT_EQ(Digits(Best(), kRed), std::vector<int>({0, 1, 2, 0}));
    EXPECT_EQ(Digits(Score(), kGreen), std::vector<int>({0, 1, 2, 0}));
    game.score = 125;
    EXPECT_EQ(Digits(Best(), kGreen), std::vector<int>({0, 1, 2, 0}));
    EXPECT_EQ(Digits(Score(), kRed), std::vector<int>({0, 1, 2, 5}));
}

TEST_F(Toolbar, FiveDigitScoreShowsItsFirstFourAndMinusHasItsGlyph) {
    game.score = 98765;
    EXPECT_EQ(Digits(Score(), kRed), std::vector<int>({9, 8, 7, 6}));
    game.score = 0;
    game.best[Beginner] = -7; // only a damaged score file can hold this
    EXPECT_EQ(GlyphCellAt(Best(), 0, kGreen), 0);
}

TEST_F(Toolbar, NextColoursShowSquaresAndAPieceOfTheSmallSmile) {
    game.next = {3, kJoker, 0, 0, 0};
    NextColorsPanel panel(game, images);
    EXPECT_EQ(panel.objectName(), "nextColorsPanel");
    EXPECT_EQ(panel.size(), QSize(78, 25));
    const QImage picture = panel.picture();
    EXPECT_EQ(Pixel(picture, 2, 3), kBlack);
    EXPECT_EQ(Pixel(picture, 10, 10), Palette(3));
    EXPECT_EQ(Pixel(picture, 20, 10), kLightGrey);
    EXPECT_TRUE(
        SamePixels(picture, {24 - 10, 2 - 10}, images.alternate(kJoker), QRect(10, 10, 21, 21)));
    EXPECT_EQ(Pixel(picture, 48 + 2, 3), kBlack);
    EXPECT_EQ(Pixel(picture, 48 + 10, 10), Palette(0));

    game.next = {-1, 9, 2, 0, 0}; // no such colours: their slots stay empty
    const QImage odd = panel.picture();
    EXPECT_EQ(Pixel(odd, 10, 10), kLightGrey);
    EXPECT_EQ(Pixel(odd, 34, 10), kLightGrey);
    EXPECT_EQ(Pixel(odd, 58, 10), Palette(2));
}

TEST_F(Toolbar, HiddenNextColoursPanelDrawsNothing) {
    game.next = {1, 2, 3, 0, 0};
    NextColorsPanel panel(game, images);
    panel.hide();
    QImage target(78, 25, QImage::Format_RGB32);
    target.fill(qRgb(7, 7, 7));
    panel.render(&target, {}, {}, QWidget::RenderFlags());
    EXPECT_EQ(target.pixel(10, 10) | 0xff000000u, qRgb(7, 7, 7));
    panel.show();
    panel.render(&target, {}, {}, QWidget::RenderFlags());
    EXPECT_EQ(Pixel(target, 10, 10), Palette(1));
}

TEST_F(Toolbar, NewButtonSinksWhileHeld) {
    NewButton button(nullptr, StandInLoader());
    EXPECT_EQ(button.objectName(), "newButton");
    EXPECT_EQ(button.size(), QSize(25, 25));
    const QImage raised = button.picture();
    EXPECT_EQ(Pixel(raised, 1, 1), kWhite);
    EXPECT_EQ(Pixel(raised, 2, 2), kNavy);
    EXPECT_EQ(Pixel(raised, 21, 21), kNavy);
    EXPECT_EQ(Pixel(raised, 22, 22), kLightGrey);
    EXPECT_EQ(Pixel(raised, 23, 23), kDarkGrey);

    QTest::mousePress(&button, Qt::LeftButton);
    const QImage sunken = button.picture();
    EXPECT_EQ(Pixel(sunken, 1, 1), kDarkGrey);
    EXPECT_EQ(Pixel(sunken, 2, 2), kLightGrey);
    EXPECT_EQ(Pixel(sunken, 3, 3), kNavy);
    EXPECT_EQ(Pixel(sunken, 22, 22), kNavy);
    EXPECT_EQ(Pixel(sunken, 23, 23), kWhite);
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(button.picture(), raised);
}

// The strip's segments are white on black; whatever order its colour table has, they must
// come out in the segment colour and the rest black.
TEST_F(Toolbar, ProgramLcdGlyphsShowSegmentsInTheirColour) {
    const QImage strip = LoadBitmap(QStringLiteral("LCD")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(strip.size(), QSize(13, 276));
    game.best[Beginner] = 100;
    game.score = 7;
    const QImage score = LcdPanel(false, game).picture();
    int segments = 0;
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 13; ++x) {
            const bool lit = qGray(strip.pixel(x, 253 - 23 * 7 + y)) >= 128;
            segments += lit ? 1 : 0;
            ASSERT_EQ(Pixel(score, 40 + x, 1 + y), lit ? kGreen : kBlack) << x << "," << y;
            ASSERT_EQ(Pixel(score, 1 + x, 1 + y),
                      qGray(strip.pixel(x, 253 + y)) >= 128 ? kGreen : kBlack);
        }
    }
    EXPECT_GT(segments, 0);
}

TEST_F(Toolbar, PanelsAreNamedAndSized) {
    LcdPanel score(false, game);
    LcdPanel best(true, game);
    EXPECT_EQ(score.objectName(), "scorePanel");
    EXPECT_EQ(best.objectName(), "bestPanel");
    EXPECT_EQ(best.size(), QSize(54, 25));
}

} // namespace
} // namespace cw::test
