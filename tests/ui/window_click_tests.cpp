// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test_support.h"

#include "game/rules.h"
#include "ui/cell_widget.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>

namespace cw::test {
namespace {

constexpr std::int32_t kRed = 0;
constexpr std::int32_t kBlue = 2;
constexpr int kSource = 0;  // row 0, column 0
constexpr int kTarget = 22; // row 2, column 4
constexpr int kStepPause = 150;
constexpr int kLandingPause = 100;

// The window shown from the start: the rules read the options at each click.
class WindowClicks : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start();
    }
    // What the screen reader was told last, after these clicks.
    std::string SaidAfter(std::initializer_list<int> clicks) {
        for (const int cell : clicks)
            Click(cell);
        return window_->findChild<QLabel*>("announcer")->text().toStdString();
    }
    QRgb ExpectedCentre(int index) const {
        const Cell& cell = game_.board.cells[static_cast<std::size_t>(index)];
        if (cell.state == CellState::Empty)
            return kLightGrey;
        return cell.colour == kJoker ? kJokerYellow : Palette(cell.colour);
    }
    // The screen shows every cell as its state says.
    void ExpectScreenMatchesBoard() const {
        const QImage shown = Presented();
        for (int index = 0; index < kCellCount; ++index)
            EXPECT_EQ(CentreIn(shown, index), ExpectedCentre(index)) << "cell " << index;
    }
    std::vector<int> CellsShowing(const QImage& shown, QRgb colour) const {
        std::vector<int> cells;
        for (int index = 0; index < kCellCount; ++index) {
            if (CentreIn(shown, index) == colour)
                cells.push_back(index);
        }
        return cells;
    }
    std::vector<const PauseRecord*> PausesOf(int milliseconds) const {
        std::vector<const PauseRecord*> found;
        for (const PauseRecord& pause : pauses_) {
            if (pause.milliseconds == milliseconds)
                found.push_back(&pause);
        }
        return found;
    }
};

bool Adjacent(int a, int b) {
    return std::abs(a / 9 - b / 9) + std::abs(a % 9 - b % 9) == 1;
}

TEST_F(WindowClicks, SelectedBallBlinksBetweenItsPictures) {
    SetBoard({{kSource, kRed}});
    Click(kSource);
    EXPECT_EQ(game_.phase, GamePhase::Selected);
    EXPECT_TRUE(window_->timer(kBlinkTimer).isActive());
    EXPECT_EQ(window_->timer(kBlinkTimer).interval(), 300);
    EXPECT_EQ(PresentedCentre(kSource), kAlternateGrey);
    QTest::qWait(400);
    EXPECT_EQ(PresentedCentre(kSource), Palette(kRed));

    Click(kSource);
    EXPECT_EQ(game_.phase, GamePhase::Idle);
    EXPECT_FALSE(window_->timer(kBlinkTimer).isActive());
    EXPECT_EQ(PresentedCentre(kSource), Palette(kRed));
}

// Every step is on the screen during its pause: the ball walks from neighbour to neighbour.
TEST_F(WindowClicks, TracedMoveWalksCellByCell) {
    SetBoard({{kSource, kRed}});
    Click(kSource);
    Click(kTarget);

    const auto steps = PausesOf(kStepPause);
    ASSERT_GE(steps.size(), 6u) << "at least the Manhattan distance of steps";
    int previous = kSource;
    for (const PauseRecord* step : steps) {
        const std::vector<int> ball = CellsShowing(step->presented, Palette(kRed));
        ASSERT_EQ(ball.size(), 1u) << "the ball shows on exactly one cell";
        EXPECT_TRUE(Adjacent(previous, ball.front())) << previous << " -> " << ball.front();
        EXPECT_EQ(CentreIn(step->presented, previous), kLightGrey);
        previous = ball.front();
    }
    EXPECT_EQ(previous, kTarget);
    EXPECT_EQ(game_.board.cells[kTarget].colour, kRed);
    EXPECT_EQ(game_.phase, GamePhase::Idle);
    ExpectScreenMatchesBoard();
}

// Each new ball shows its alternate picture while it lands, then its normal one.
TEST_F(WindowClicks, LandingBallsShowTheirAlternatePicture) {
    SetBoard({{kSource, kRed}});
    Click(kSource);
    Click(kTarget);
    const auto landings = PausesOf(kLandingPause);
    ASSERT_EQ(landings.size(), 3u);
    for (const PauseRecord* landing : landings) {
        EXPECT_EQ(landing->phase, GamePhase::Placing);
        const auto grey = CellsShowing(landing->presented, kAlternateGrey);
        const auto joker = CellsShowing(landing->presented, kSmallJokerYellow);
        EXPECT_EQ(grey.size() + joker.size(), 1u);
    }
    EXPECT_TRUE(CellsShowing(Presented(), kAlternateGrey).empty());
}

TEST_F(WindowClicks, UntracedMoveJumps) {
    game_.options.traceAllMoves = 0;
    SetBoard({{kSource, kRed}});
    Click(kSource);
    Click(kTarget);
    EXPECT_TRUE(PausesOf(kStepPause).empty());
    ASSERT_FALSE(pauses_.empty());
    const QImage first = pauses_.front().presented;
    EXPECT_EQ(CentreIn(first, kTarget), Palette(kRed));
    EXPECT_EQ(CentreIn(first, kSource), kLightGrey);
    ExpectScreenMatchesBoard();
}

TEST_F(WindowClicks, UnreachableTargetKeepsTheSelection) {
    // The target in the corner is walled in by blue balls.
    SetBoard({{40, kRed}, {71, kBlue}, {79, kBlue}});
    Click(40);
    Click(80);
    EXPECT_EQ(game_.phase, GamePhase::Selected);
    EXPECT_EQ(game_.selection.cellId, 40);
    EXPECT_TRUE(pauses_.empty());
}

// The hand over every cell while a ball is selected, the arrow for the whole move, and the
// arrow again over empty cells afterwards, whichever cell was clicked.
TEST_F(WindowClicks, CursorsFollowEveryClick) {
    SetBoard({{kSource, kRed}});
    EXPECT_EQ(window_->cell(40)->cursor().shape(), Qt::ArrowCursor);
    Click(kSource);
    EXPECT_EQ(window_->cell(40)->cursor().shape(), Qt::BitmapCursor);

    std::vector<Qt::CursorShape> shownDuringPause;
    window_->setPause(
        [&](int) { shownDuringPause.push_back(window_->cell(kTarget)->cursor().shape()); });
    Click(kTarget);
    ASSERT_FALSE(shownDuringPause.empty());
    for (const Qt::CursorShape shape : shownDuringPause)
        EXPECT_EQ(shape, Qt::ArrowCursor);
    for (int index = 0; index < kCellCount; ++index) {
        const bool hand = CellShowsHand(game_, index);
        EXPECT_EQ(window_->cell(index)->cursor().shape(), hand ? Qt::BitmapCursor : Qt::ArrowCursor)
            << index;
    }
}

TEST_F(WindowClicks, EachActionIsToldKeyFactFirst) {
    // Red walled in by blue in the corner; red stacks of two at 4 and of four at 8.
    SetBoard({{0, kRed}, {1, kBlue}, {9, kBlue}, {4, kRed}, {8, kRed}, {7, kRed}, {80, kBlue}});
    game_.board.cells[4].stack = 2;
    game_.board.cells[8].stack = 4;
    game_.score = 20;
    EXPECT_EQ(SaidAfter({0}), "Red ball selected.");
    EXPECT_EQ(SaidAfter({0}), "Selection cancelled.");
    EXPECT_EQ(SaidAfter({0, 40}), "No path.");
    EXPECT_EQ(SaidAfter({1, 4}), "Only a lone ball can be moved.");
    EXPECT_EQ(SaidAfter({40}), "Only a lone ball can be moved.") << "an empty cell says nothing";
    EXPECT_EQ(SaidAfter({7, 8}), "Moved to row 1, column 9. Stack of five cleared: 5 points. "
                                 "Score 25.");
}

TEST_F(WindowClicks, ANewGameAndTheKeysThatSpeakAreTold) {
    TriggerCommand("actionExpert");
    EXPECT_TRUE(SaidAfter({}).starts_with("New game, Expert. New balls: "));
    SetBoard({{40, kBlue}});
    game_.board.cells[40].stack = 3;
    game_.best[Expert] = 12;
    game_.next = {kRed, kJoker, kBlue, kRed, kRed};
    TriggerCommand("actionSayScore");
    EXPECT_EQ(SaidAfter({}), "Score 0, best 12.");
    TriggerCommand("actionSayNextColours");
    EXPECT_EQ(SaidAfter({}), "Next colours: red, joker, blue.");
    TriggerCommand("actionSayCell");
    EXPECT_EQ(SaidAfter({}), "Row 5, column 5: blue ball, stack of 3.");
}

} // namespace
} // namespace cw::test
