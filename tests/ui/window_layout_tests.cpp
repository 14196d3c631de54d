// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test_support.h"

#include "ui/cell_widget.h"
#include "ui/startup.h"
#include "ui/toolbar_panels.h"

#include <QMenuBar>
#include <gtest/gtest.h>

namespace cw::test {
namespace {

using WindowLayout = WindowTest;

QRect ChildGeometry(const MainWindow& window, const char* name) {
    const auto* child = window.findChild<QWidget*>(QLatin1String(name));
    return child != nullptr ? child->geometry() : QRect();
}

TEST_F(WindowLayout, ClientAreaIsFixedUnderTheMenuBar) {
    Start();
    const QWidget* client = window_->centralWidget();
    EXPECT_EQ(window_->objectName(), "CW:MAIN");
    EXPECT_EQ(client->size(), QSize(378, 409));
    EXPECT_EQ(client->y(), window_->menuBar()->height());
    EXPECT_EQ(window_->width(), 378);
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
    EXPECT_FALSE(window_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window_->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(WindowLayout, CellsTileTheBoardRowByRow) {
    Start();
    for (int index = 0; index < kCellCount; ++index) {
        const QRect expected(42 * (index % 9), 31 + 42 * (index / 9), 42, 42);
        EXPECT_EQ(window_->cell(index)->geometry(), expected) << index;
        EXPECT_EQ(window_->cell(index)->index(), index);
    }
}

// Cells first, then the New button, the score, best and next-colours panels, these around the
// middle of the toolbar.
TEST_F(WindowLayout, ChildrenAreCreatedInOrderAndTheToolbarsSitAroundTheMiddle) {
    Start();
    EXPECT_EQ(ChildGeometry(*window_, "bestPanel"), QRect(120, 3, 54, 25));
    EXPECT_EQ(ChildGeometry(*window_, "newButton"), QRect(177, 3, 25, 25));
    EXPECT_EQ(ChildGeometry(*window_, "scorePanel"), QRect(206, 3, 54, 25));
    EXPECT_EQ(ChildGeometry(*window_, "nextColorsPanel"), QRect(294, 3, 78, 25));
    const QObjectList& children = window_->centralWidget()->children();
    ASSERT_EQ(children.size(), kCellCount + 4);
    for (int index = 0; index < kCellCount; ++index)
        EXPECT_EQ(children[index], window_->cell(index));
    EXPECT_EQ(children[81]->objectName(), "newButton");
    EXPECT_EQ(children[82]->objectName(), "scorePanel");
    EXPECT_EQ(children[83]->objectName(), "bestPanel");
    EXPECT_EQ(children[84]->objectName(), "nextColorsPanel");
}

TEST_F(WindowLayout, ToolbarStripIsFramedLightGrey) {
    Start();
    const QImage shown = Presented();
    const QPoint origin = window_->centralWidget()->mapTo(window_.get(), QPoint(0, 0));
    const auto at = [&](int x, int y) { return shown.pixel(origin + QPoint(x, y)) | ~RGB_MASK; };
    EXPECT_EQ(at(0, 0), kBlack);
    EXPECT_EQ(at(377, 30), kBlack);
    EXPECT_EQ(at(0, 30), kBlack);
    EXPECT_EQ(at(1, 1), kLightGrey);
    EXPECT_EQ(at(60, 15), kLightGrey);
    EXPECT_EQ(at(376, 29), kLightGrey);
}

TEST_F(WindowLayout, NextColoursPanelFollowsTheOption) {
    game_.options.showNextColors = 0;
    Start();
    auto* panel = window_->findChild<NextColorsPanel*>(QStringLiteral("nextColorsPanel"));
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->isVisible());
    window_->ShowNextColors(true);
    EXPECT_TRUE(panel->isVisible());
    window_->ShowNextColors(false);
    EXPECT_FALSE(panel->isVisible());
}

// The first game is dealt while the window is hidden; the pictures must be right once shown.
TEST_F(WindowLayout, FirstGameIsOnScreenOnceShown) {
    Start();
    const QImage shown = Presented();
    int balls = 0;
    for (int index = 0; index < kCellCount; ++index) {
        const Cell& cell = game_.board.cells[static_cast<std::size_t>(index)];
        if (cell.state == CellState::Empty) {
            EXPECT_EQ(CentreIn(shown, index), kLightGrey) << index;
            continue;
        }
        ++balls;
        const QRgb expected = cell.colour == kJoker ? kJokerYellow : Palette(cell.colour);
        EXPECT_EQ(CentreIn(shown, index), expected) << index;
    }
    EXPECT_EQ(balls, 5);
    EXPECT_EQ(game_.phase, GamePhase::Idle);
    EXPECT_TRUE(window_->timer(kFaceTimer).isActive());
}

// Nobody can watch the landings of the first game, so they must not delay the window.
TEST_F(WindowLayout, DealingWhileHiddenTakesNoPause) {
    MainWindow window(game_, records_, StandInLoader());
    window.setPause([this](int ms) { pauses_.push_back({ms, QImage(), game_.phase}); });
    DealFirstGame(window, game_, 1);
    EXPECT_TRUE(pauses_.empty());
    EXPECT_EQ(game_.phase, GamePhase::Idle);
}

TEST_F(WindowLayout, ShapeRebuildLoadsTheNewFamily) {
    Start();
    requestedBitmaps_.clear();
    records_.shape = 3;
    window_->RebuildCellPictures();
    EXPECT_TRUE(requestedBitmaps_.contains("DICE0"));
    EXPECT_TRUE(requestedBitmaps_.contains("DICE7"));
    EXPECT_FALSE(requestedBitmaps_.contains("BALL0"));
}

TEST_F(WindowLayout, FaceTileCoversTheCellAtOnce) {
    Start();
    SetBoard({{40, kJoker}});
    window_->ShowFace(40, 5);
    EXPECT_EQ(PresentedCentre(40), FaceTileColour(5));
    window_->RedrawCell(40);
    EXPECT_EQ(PresentedCentre(40), kJokerYellow);
}

} // namespace
} // namespace cw::test
