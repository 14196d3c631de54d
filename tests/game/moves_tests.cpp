// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/board.h"
#include "game/rules.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

using test::At;
using test::FillWithoutMoves;
using test::IdleGame;
using test::Put;
using test::Recorder;

std::vector<std::pair<int, int>> PathCells(const GameState& game) {
    std::vector<std::pair<int, int>> cells;
    for (int i = 0; i <= game.path.last; ++i)
        cells.emplace_back(PathEntryRow(game.path.entries[i]),
                           PathEntryColumn(game.path.entries[i]));
    return cells;
}

void SelectForSearch(GameState& game, int row, int column) {
    game.selection.row = row;
    game.selection.column = column;
    PrepareSearch(game);
}

TEST(PathSearchTest, StraightLineRunsFromTheSourceSideToTheTarget) {
    GameState game = IdleGame();
    Put(game, 4, 4, 0, 1);
    SelectForSearch(game, 4, 4);
    ASSERT_EQ(FindPath(game, 4, 0, false), 1);
    EXPECT_EQ(PathCells(game), (std::vector<std::pair<int, int>>{{4, 3}, {4, 2}, {4, 1}, {4, 0}}));
}

TEST(PathSearchTest, EntriesPackRowLowAndColumnHigh) {
    GameState game = IdleGame();
    SelectForSearch(game, 0, 0);
    ASSERT_EQ(FindPath(game, 0, 1, false), 1);
    EXPECT_EQ(game.path.last, 0);
    EXPECT_EQ(game.path.entries[0], 0 | (1 << 16));
}

// Source (0,0), target (0,2), (0,1) blocked. From the target (same row): left is blocked,
// up is off the board, so down to (1,2); from there (dr -1, dc -2) left to (1,1); a tie
// goes horizontal, left to (1,0); same column: up reaches the source.
TEST(PathSearchTest, DetourFollowsTheDirectionOrder) {
    GameState game = IdleGame();
    Put(game, 0, 0, 0, 1);
    Put(game, 0, 1, 3, 2);
    SelectForSearch(game, 0, 0);
    ASSERT_EQ(FindPath(game, 0, 2, false), 1);
    EXPECT_EQ(PathCells(game), (std::vector<std::pair<int, int>>{{1, 0}, {1, 1}, {1, 2}, {0, 2}}));
}

TEST(PathSearchTest, SearchMarksOnlyTheScratchCopy) {
    GameState game = IdleGame();
    Put(game, 0, 0, 0, 1);
    SelectForSearch(game, 0, 0);
    FindPath(game, 8, 8, false);
    EXPECT_EQ(CountEmpty(game.board), 80);
    EXPECT_EQ(game.board.scratch[CellIndex(8, 8)].state, CellState::Visited);
}

TEST(PathSearchTest, TargetWalledInIsReachableOnlyFromANeighbour) {
    GameState game = IdleGame();
    Put(game, 4, 3, 1, 2);
    Put(game, 4, 5, 2, 2);
    Put(game, 3, 4, 3, 2);
    Put(game, 5, 4, 0, 1); // the source is one of the walls
    SelectForSearch(game, 5, 4);
    EXPECT_EQ(FindPath(game, 4, 4, false), 1);
    EXPECT_EQ(game.path.last, 0);

    Put(game, 5, 4, 4, 2);
    Put(game, 0, 0, 0, 1);
    SelectForSearch(game, 0, 0);
    EXPECT_EQ(FindPath(game, 4, 4, false), 0);
}

// A corridor from the source (4,1) that passes the target (4,4) at (4,5) and reaches it
// from (4,3); every other cell holds a stack of 2. From the target the search tries left
// first (same row), so the path follows the corridor the long way round:
// (5,1) (6,1) (6,2) (6,3) (6,4) (6,5) (5,5) (4,5) (3,5) (2,5) (2,4) (2,3) (3,3) (4,3) (4,4).
GameState CorridorGame() {
    GameState game = IdleGame();
    FillWithoutMoves(game);
    const int corridor[][2] = {{5, 1}, {6, 1}, {6, 2}, {6, 3}, {6, 4}, {6, 5}, {5, 5}, {4, 5},
                               {3, 5}, {2, 5}, {2, 4}, {2, 3}, {3, 3}, {4, 3}, {4, 4}};
    for (const auto& cell : corridor)
        Put(game, cell[0], cell[1], kNoColour, 0);
    Put(game, 4, 1, 6, 1); // the source, a white ball
    return game;
}

// The corridor's path found, its target taken for the move.
void FindCorridorPath(GameState& game) {
    SelectForSearch(game, 4, 1);
    ASSERT_EQ(FindPath(game, 4, 4, false), 1);
    game.board.cells[CellIndex(4, 4)].stack = 1;
}

TEST(TracedMoveTest, WalkLeavesThePathAtTheFirstCellNextToTheTarget) {
    GameState game = CorridorGame();
    FindCorridorPath(game);
    ASSERT_EQ(game.path.last, 14);
    EXPECT_EQ(PathCells(game)[7], (std::pair<int, int>{4, 5}));
    Recorder recorder;
    MoveBall(game, recorder.host());

    // Standing on (4,5), next to the target, the ball jumps onto it.
    const int from[] = {37, 46, 55, 56, 57, 58, 59, 50, 41};
    const int to[] = {46, 55, 56, 57, 58, 59, 50, 41, 40};
    std::vector<std::string> expected;
    for (int step = 0; step < 9; ++step) {
        expected.push_back("redraw cell " + std::to_string(from[step]));
        expected.push_back("refresh cell " + std::to_string(to[step]) + " 0");
        expected.push_back("pause 150");
    }
    EXPECT_EQ(recorder.Lines(), expected);
    EXPECT_EQ(At(game, 4, 4).colour, 6);
    EXPECT_EQ(At(game, 4, 4).state, CellState::Occupied);
    EXPECT_EQ(CountEmpty(game.board), 15); // the corridor and the source, less the target
}

TEST(TracedMoveTest, NeighbouringTargetTakesOneStep) {
    GameState game = IdleGame();
    game.options.traceAllMoves = 1;
    Put(game, 0, 0, 2, 1);
    Put(game, 8, 8, 0, 1); // keeps a move on the board after the move
    Recorder recorder;
    OnCellClick(game, recorder.host(), CellIndex(0, 0));
    recorder.Clear();
    OnCellClick(game, recorder.host(), CellIndex(0, 1));
    const std::vector<std::string> lines = recorder.Lines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "timer stop 1");
    EXPECT_EQ(lines[1], "redraw cell 0");
    EXPECT_EQ(lines[2], "refresh cell 1 0");
    EXPECT_EQ(lines[3], "pause 150");
    EXPECT_EQ(recorder.Count("pause 150"), 1);
}

TEST(UntracedMoveTest, BallJumpsWithoutPauses) {
    GameState game = CorridorGame();
    game.options.traceAllMoves = 0;
    FindCorridorPath(game);
    Recorder recorder;
    MoveBall(game, recorder.host());
    EXPECT_EQ(recorder.Lines(), (std::vector<std::string>{"redraw cell 37", "refresh cell 40 0"}));
    EXPECT_EQ(At(game, 4, 4).colour, 6);
    EXPECT_EQ(At(game, 4, 1).state, CellState::Empty);
}

struct ClickFixture : ::testing::Test {
    GameState game = IdleGame(Beginner, 21);
    Recorder recorder;
    void Click(int row, int column) { OnCellClick(game, recorder.host(), CellIndex(row, column)); }
};

TEST_F(ClickFixture, SelectingAndDeselectingALoneBall) {
    Put(game, 2, 2, 1, 1);
    Click(2, 2);
    EXPECT_EQ(game.phase, GamePhase::Selected);
    EXPECT_EQ(game.selection.cellId, 20);
    EXPECT_EQ(game.selection.blink, 1);
    EXPECT_EQ(At(game, 2, 2).state, CellState::Selected);
    EXPECT_EQ(recorder.Lines(), (std::vector<std::string>{"timer start 1 300", "redraw cell 20"}));

    recorder.Clear();
    Click(2, 2);
    EXPECT_EQ(game.phase, GamePhase::Idle);
    EXPECT_EQ(game.selection.cellId, -1);
    EXPECT_EQ(game.selection.blink, 0);
    EXPECT_EQ(At(game, 2, 2).state, CellState::Occupied);
    EXPECT_EQ(recorder.Lines(), (std::vector<std::string>{"timer stop 1", "redraw cell 20"}));
}

TEST_F(ClickFixture, ClicksThatDoNothing) {
    Put(game, 2, 2, 1, 3);
    Click(2, 2); // a stack cannot be selected
    Click(5, 5); // an Empty cell without a selection
    EXPECT_EQ(game.phase, GamePhase::Idle);
    game.phase = GamePhase::Moving;
    Put(game, 3, 3, 1, 1);
    Click(3, 3);
    game.phase = GamePhase::None;
    Click(3, 3);
    EXPECT_TRUE(recorder.Lines().empty());
}

TEST_F(ClickFixture, NonMatchingLoneBallTakesOverTheSelectionWithoutABeep) {
    Put(game, 0, 0, 1, 1);
    Put(game, 8, 8, 2, 1);
    Click(0, 0);
    recorder.Clear();
    Click(8, 8);
    EXPECT_EQ(recorder.Lines(), (std::vector<std::string>{"timer stop 1", "redraw cell 0",
                                                          "timer start 1 300", "redraw cell 80"}));
    EXPECT_EQ(At(game, 0, 0).state, CellState::Occupied);
    EXPECT_EQ(game.selection.cellId, 80);
}

TEST_F(ClickFixture, NonMatchingStackEndsTheSelectionOnly) {
    Put(game, 0, 0, 1, 1);
    Put(game, 8, 8, 2, 2);
    Click(0, 0);
    Click(8, 8);
    EXPECT_EQ(game.phase, GamePhase::Idle);
    EXPECT_EQ(game.selection.cellId, -1);
    EXPECT_EQ(At(game, 0, 0).state, CellState::Occupied);
}

TEST_F(ClickFixture, UnreachableTargetBeepsAndKeepsTheSelection) {
    Put(game, 0, 0, 1, 1);
    Put(game, 0, 1, 3, 2);
    Put(game, 1, 0, 4, 2);
    Put(game, 4, 4, 1, 2); // matching, but the source is walled in
    Click(0, 0);
    recorder.Clear();
    Click(4, 4);
    Click(6, 6);
    EXPECT_EQ(recorder.Lines(), (std::vector<std::string>{"beep", "beep"}));
    EXPECT_EQ(game.phase, GamePhase::Selected);
    EXPECT_EQ(game.selection.cellId, 0);
    EXPECT_EQ(At(game, 4, 4).stack, 2);
}

TEST_F(ClickFixture, MoveOntoAJokerStackTakesTheBallsColour) {
    Put(game, 0, 0, 0, 1);      // red ball
    Put(game, 0, 3, kJoker, 3); // joker stack
    Put(game, 8, 8, 2, 1);      // keeps a move on the board
    Click(0, 0);
    recorder.Clear();
    Click(0, 3);
    EXPECT_EQ(At(game, 0, 3).colour, 0);
    EXPECT_EQ(At(game, 0, 3).stack, 4);
    EXPECT_EQ(recorder.Count("refresh cell 3 1"), 1); // the joker flag travels with the move
    EXPECT_EQ(game.phase, GamePhase::Idle);
}

TEST_F(ClickFixture, JokerMovedOntoAStackTakesTheStacksColour) {
    Put(game, 0, 0, kJoker, 1);
    Put(game, 2, 0, 0, 2);
    Put(game, 8, 8, 2, 1);
    game.options.traceAllMoves = 0;
    Click(0, 0);
    Click(2, 0);
    EXPECT_EQ(At(game, 2, 0).colour, 0);
    EXPECT_EQ(At(game, 2, 0).stack, 3);
}

TEST_F(ClickFixture, JokerOntoJokersStaysAJoker) {
    Put(game, 0, 0, kJoker, 1);
    Put(game, 0, 1, kJoker, 2);
    Put(game, 8, 8, 2, 1);
    Click(0, 0);
    Click(0, 1);
    EXPECT_EQ(At(game, 0, 1).colour, kJoker);
    EXPECT_EQ(At(game, 0, 1).stack, 3);
}

TEST_F(ClickFixture, CompletingAStackClearsScoresAndDropsNothingWhileAMoveRemains) {
    game.level = Expert;
    Put(game, 0, 0, 4, 1);
    Put(game, 0, 2, 4, 4);
    Put(game, 8, 8, 2, 1);
    game.next = {1, 2, 3, 4, 5};
    Click(0, 0);
    recorder.Clear();
    Click(0, 2);
    EXPECT_EQ(game.score, 15);
    EXPECT_EQ(CountEmpty(game.board), 80);
    EXPECT_EQ(game.random.state, 21u); // no ball dropped, nothing drawn
    EXPECT_EQ(recorder.Count("redraw next"), 1);
    EXPECT_EQ(recorder.Count("redraw best"), 1); // 15 passes the empty table's 0
    EXPECT_EQ(game.phase, GamePhase::Idle);
}

TEST_F(ClickFixture, MoveIntoAnEmptyCellIsFollowedByThreeBalls) {
    Put(game, 4, 4, 3, 1);
    game.next = {1, 2, 5, 0, 0};
    Click(4, 4);
    Click(4, 7);
    EXPECT_EQ(At(game, 4, 7).colour, 3);
    EXPECT_EQ(At(game, 4, 7).stack, 1);
    EXPECT_EQ(CountEmpty(game.board), 81 - 4);
    EXPECT_EQ(game.phase, GamePhase::Idle);
    EXPECT_EQ(game.selection.cellId, -1);
}

TEST(CursorRuleTest, HandOverLoneBallsAndEverywhereWhileSelected) {
    GameState game = IdleGame();
    Put(game, 0, 0, 1, 1);
    Put(game, 0, 1, 1, 2);
    EXPECT_TRUE(CellShowsHand(game, 0));
    EXPECT_FALSE(CellShowsHand(game, 1));
    EXPECT_FALSE(CellShowsHand(game, 2));
    game.phase = GamePhase::Selected;
    EXPECT_TRUE(CellShowsHand(game, 1));
    EXPECT_TRUE(CellShowsHand(game, 2));
}

} // namespace
} // namespace cw
