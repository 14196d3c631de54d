// SPDX-License-Identifier: GPL-3.0-or-later
#include "render_test_support.h"

#include "game/rules.h"
#include "resources/resource_lookup.h"
#include "ui/cell_widget.h"

#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

namespace cw::test {
namespace {

constexpr int kIndex = 40;
const QRgb kRed = qRgb(255, 0, 0);

class CellRendering : public StandInGame {
protected:
    void SetUp() override {
        StandInGame::SetUp();
        widget = std::make_unique<CellWidget>(kIndex, game, images);
        widget->setPause([this](int ms) {
            pauses.push_back(ms);
            shown.push_back(widget->picture());
        });
    }

    Cell& cell() { return game.board.cells[kIndex]; }
    void Put(CellState state, std::int32_t colour, std::int32_t stack) {
        cell() = Cell{state, stack, colour};
    }
    // `base` with the light-grey pixels of rows top..41, columns 1..40, in `band`.
    QImage WithBand(const QImage& base, int top, QRgb band) {
        QImage expected = base.convertToFormat(QImage::Format_RGB32);
        for (int y = std::max(top, 0); y <= 41; ++y) {
            for (int x = 1; x <= 40; ++x) {
                if (Pixel(expected, x, y) == kLightGrey)
                    expected.setPixel(x, y, band);
            }
        }
        return expected;
    }

    std::unique_ptr<CellWidget> widget;
    // What the screen shows for a logical picture: each pixel a sharp block on a HiDPI one.
    QImage OnScreen(const QImage& logical) {
        const int side = qRound(kCellPixels * widget->devicePixelRatioF());
        return logical.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    QImage Presented() {
        const QImage shot = widget->screen()->grabWindow(widget->winId()).toImage();
        return shot.copy(0, 0, kCellPixels, kCellPixels).convertToFormat(QImage::Format_RGB32);
    }

    std::vector<int> pauses;
    std::vector<QImage> shown;
};

TEST_F(CellRendering, EmptyCellShowsTheFramedCell) {
    widget->RedrawNow();
    EXPECT_EQ(widget->picture(), FramedCellPicture());
    EXPECT_EQ(widget->grab().toImage().convertToFormat(QImage::Format_RGB32),
              OnScreen(FramedCellPicture()));
}

TEST_F(CellRendering, StackBandsRecolourOnlyLightGreyFromTheirTopRow) {
    // Stack: the band's top row, ten rows higher with each ball from the second (42: none).
    for (const auto& [stack, top] : {std::pair{1, 42}, {2, 31}, {3, 21}, {4, 11}, {5, 1}}) {
        Put(CellState::Occupied, 0, stack);
        widget->RedrawNow();
        const QImage& picture = widget->picture();
        const QImage& normal = images.normal(0);
        for (int y = 0; y < 42; ++y) {
            for (int x = 0; x < 42; ++x) {
                const bool band =
                    y >= top && x >= 1 && x <= 40 && Pixel(normal, x, y) == kLightGrey;
                ASSERT_EQ(Pixel(picture, x, y), band ? kRed : Pixel(normal, x, y))
                    << "stack " << stack << " at " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(Pixel(widget->picture(), 20, 0), kBlack);      // the outline keeps its colour
    EXPECT_EQ(Pixel(widget->picture(), 18, 18), Palette(0)); // the ball too
}

TEST_F(CellRendering, StackSixFillsTheWholeCellAndOtherStacksShowNoBand) {
    Put(CellState::Occupied, 2, 6);
    widget->RedrawNow();
    EXPECT_EQ(widget->picture(), WithBand(images.normal(2), 0, Palette(2)));
    Put(CellState::Occupied, 2, 7);
    widget->RedrawNow();
    EXPECT_EQ(widget->picture(), images.normal(2));
}

TEST_F(CellRendering, StatesChooseNormalOrAlternatePicture) {
    Put(CellState::Appearing, 4, 1);
    widget->RedrawNow();
    EXPECT_EQ(widget->picture(), images.alternate(4));
    Put(CellState::Occupied, kJoker, 1);
    widget->RedrawNow();
    EXPECT_EQ(widget->picture(), images.normal(kJoker));
    Put(CellState::Visited, 4, 1); // not a state a shown cell has: drawn empty
    widget->RedrawNow();
    EXPECT_EQ(widget->picture(), FramedCellPicture());
    Put(CellState::Occupied, 8, 1); // no such colour: the picture stays
    widget->RedrawNow();
    EXPECT_EQ(widget->picture(), FramedCellPicture());
}

TEST_F(CellRendering, SelectedBallBlinksBetweenAlternateAndNormal) {
    Put(CellState::Occupied, 1, 1);
    game.phase = GamePhase::Idle;
    RedrawHost host([this](int index) {
        ASSERT_EQ(index, kIndex);
        widget->RedrawNow();
    });
    OnCellClick(game, host, kIndex);
    ASSERT_EQ(game.selection.cellId, kIndex);
    EXPECT_EQ(widget->picture(), images.alternate(1));
    BlinkTick(game, host);
    EXPECT_EQ(widget->picture(), images.normal(1));
    BlinkTick(game, host);
    EXPECT_EQ(widget->picture(), images.alternate(1));
}

TEST_F(CellRendering, LandingGrowsOnlyTheNewStepRowByRowFromTheBottom) {
    Put(CellState::Occupied, 0, 2);
    widget->RedrawNow();
    cell().stack = 3;
    widget->RefreshNow(false);
    ASSERT_EQ(pauses, std::vector<int>(11, 15));
    for (int step = 0; step < 11; ++step) {
        const int row = 31 - step;
        EXPECT_EQ(shown[step], WithBand(images.normal(0), row, kRed)) << "row " << row;
    }
    EXPECT_EQ(widget->picture(), WithBand(images.normal(0), 21, kRed));
}

TEST_F(CellRendering, EachBandRowIsOnScreenDuringItsPause) {
    Put(CellState::Occupied, 2, 1);
    widget->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
    if (widget->devicePixelRatioF() != 1.0)
        GTEST_SKIP() << "the offscreen platform's window grab is exact at the default scale only";
    widget->RedrawNow();
    std::vector<QImage> presented;
    widget->setPause([&](int) { presented.push_back(Presented()); });
    cell().stack = 2;
    widget->RefreshNow(false);
    ASSERT_EQ(presented.size(), 11u);
    EXPECT_EQ(presented.front(), WithBand(images.normal(2), 41, Palette(2)));
    EXPECT_EQ(presented.back(), WithBand(images.normal(2), 31, Palette(2)));
}

TEST_F(CellRendering, BallOntoJokerStackRepaintsTheWholeBandInItsColour) {
    Put(CellState::Occupied, kJoker, 2);
    widget->RedrawNow();
    Put(CellState::Occupied, 0, 3);
    widget->RefreshNow(true);
    ASSERT_EQ(pauses, std::vector<int>(21, 15));
    EXPECT_EQ(shown.front(), WithBand(images.normal(0), 41, kRed)); // old band gone at once
    EXPECT_EQ(shown.back(), WithBand(images.normal(0), 21, kRed));
}

TEST_F(CellRendering, JokerOntoJokerStackGrowsOnlyTheNewStep) {
    Put(CellState::Occupied, kJoker, 2);
    widget->RedrawNow();
    cell().stack = 3;
    widget->RefreshNow(true);
    EXPECT_EQ(pauses.size(), 11u);
    EXPECT_EQ(widget->picture(), WithBand(images.normal(kJoker), 21, Palette(kJoker)));
}

TEST_F(CellRendering, RefreshOfALoneBallRedrawsAndOthersAreIgnored) {
    Put(CellState::Appearing, 5, 1);
    widget->RefreshNow(false);
    EXPECT_EQ(widget->picture(), images.alternate(5));
    cell().state = CellState::Occupied;
    widget->RefreshNow(false);
    EXPECT_EQ(widget->picture(), images.normal(5));
    Put(CellState::Selected, 5, 3);
    widget->RefreshNow(false);
    Put(CellState::Empty, kNoColour, 0);
    widget->RefreshNow(false);
    EXPECT_EQ(widget->picture(), images.normal(5));
    EXPECT_TRUE(pauses.empty());
}

TEST_F(CellRendering, FaceCoversTheCellUntilTheNextRedraw) {
    Put(CellState::Occupied, kJoker, 1);
    widget->RedrawNow();
    QImage tile(42, 42, QImage::Format_RGB32);
    tile.fill(qRgb(9, 9, 9));
    widget->ShowFace(tile);
    EXPECT_EQ(widget->picture(), tile);
    widget->ShowFace(QImage());
    EXPECT_EQ(widget->picture(), tile);
    widget->RedrawNow();
    EXPECT_EQ(widget->picture(), images.normal(kJoker));
}

TEST_F(CellRendering, DoubleDensityDisplayScalesEachPixelToASharpBlock) {
    Put(CellState::Occupied, 3, 2);
    widget->RedrawNow();
    QImage screen(84, 84, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2);
    widget->render(&screen, {}, {}, QWidget::RenderFlags());
    const QImage& picture = widget->picture();
    for (int y = 0; y < 84; ++y) {
        for (int x = 0; x < 84; ++x)
            ASSERT_EQ(Pixel(screen, x, y), Pixel(picture, x / 2, y / 2)) << x << "," << y;
    }
}

TEST_F(CellRendering, EveryMouseButtonAndDoubleClickCountsAsAClick) {
    std::vector<int> clicks;
    QObject::connect(widget.get(), &CellWidget::pressed,
                     [&](int index) { clicks.push_back(index); });
    QTest::mousePress(widget.get(), Qt::LeftButton);
    QTest::mousePress(widget.get(), Qt::RightButton);
    QTest::mousePress(widget.get(), Qt::MiddleButton);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget.get(), &doubleClick);
    EXPECT_EQ(clicks, std::vector<int>(4, kIndex));
}

TEST_F(CellRendering, HandOverLoneBallsAndWhileABallIsSelected) {
    ASSERT_EQ(LoadCursor(QStringLiteral("HAND")).shape(), Qt::BitmapCursor);
    game.phase = GamePhase::Idle;
    widget->UpdateCursor();
    EXPECT_EQ(widget->cursor().shape(), Qt::ArrowCursor);
    Put(CellState::Occupied, 2, 1);
    widget->UpdateCursor();
    EXPECT_EQ(widget->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(widget->cursor().hotSpot(), QPoint(6, 0));
    Put(CellState::Occupied, 2, 3);
    widget->UpdateCursor();
    EXPECT_EQ(widget->cursor().shape(), Qt::ArrowCursor);
    game.phase = GamePhase::Selected;
    widget->UpdateCursor();
    EXPECT_EQ(widget->cursor().shape(), Qt::BitmapCursor);
}

TEST(HandCursor, DrawnPixelForPixelForTheScreensRatio) {
    QImage picture(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            picture.setPixel(x, y, std::array{kBlack, kWhite, qRgba(0, 0, 0, 0)}[(x + 2 * y) % 3]);
    }
    const QCursor loaded(QPixmap::fromImage(picture), 6, 0);
    EXPECT_EQ(CursorForPixelRatio(loaded, 1, true).pixmap().size(), QSize(32, 32));

    const QCursor doubled = CursorForPixelRatio(loaded, 2, false);
    EXPECT_EQ(doubled.pixmap().devicePixelRatio(), 2);
    EXPECT_EQ(doubled.hotSpot(), QPoint(6, 0));
    const QImage shown = doubled.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), QSize(64, 64));
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(shown.pixel(x, y), picture.pixel(x / 2, y / 2)) << x << "," << y;
    }
    EXPECT_EQ(CursorForPixelRatio(loaded, 2, true).hotSpot(), QPoint(12, 0));
}

TEST_F(CellRendering, ArrowWhileAClickIsHandledThenTheRuleAgain) {
    ASSERT_EQ(LoadCursor(QStringLiteral("HAND")).shape(), Qt::BitmapCursor);
    game.phase = GamePhase::Selected;
    widget->UpdateCursor();
    Qt::CursorShape during = Qt::BitmapCursor;
    QObject::connect(widget.get(), &CellWidget::pressed, [&] {
        during = widget->cursor().shape();
        game.phase = GamePhase::Idle;
        Put(CellState::Occupied, 1, 1);
    });
    QTest::mousePress(widget.get(), Qt::LeftButton);
    EXPECT_EQ(during, Qt::ArrowCursor);
    EXPECT_EQ(widget->cursor().shape(), Qt::BitmapCursor);
}

} // namespace
} // namespace cw::test
