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
using test::StateAfter;

// Occupies the first `occupied` cells with stacks of 2 that leave room; the rest stay Empty.
GameState GameWithOccupiedPrefix(int occupied, std::int32_t level, std::uint32_t seed) {
    GameState game = IdleGame(level, seed);
    for (int index = 0; index < occupied; ++index)
        Put(game, index / kBoardSize, index % kBoardSize, index % 3, 2);
    game.next = {0, 1, 2, 0, 1};
    return game;
}

int TotalBalls(const Board& board) {
    int total = 0;
    for (const Cell& cell : board.cells)
        total += cell.stack;
    return total;
}

// True when every ball of the last drop went into a cell that was Empty before it.
bool NothingStacked(const Board& before, const Board& after) {
    for (int index = 0; index < kCellCount; ++index) {
        const bool wasEmpty = before.cells[index].state == CellState::Empty;
        if (wasEmpty ? after.cells[index].stack > 1
                     : after.cells[index].stack != before.cells[index].stack)
            return false;
    }
    return true;
}

TEST(StackingRuleTest, FortyEmptyCellsMeanNoStackingDrawAtAll) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        GameState game = GameWithOccupiedPrefix(41, Beginner, seed);
        const Board before = game.board;
        Recorder recorder;
        DropBalls(game, recorder.host(), 3);
        EXPECT_TRUE(NothingStacked(before, game.board)) << "seed " << seed;
        // Per ball: the placement draw, the slot colour, the joker draw.
        EXPECT_EQ(game.random.state, StateAfter(seed, 9)) << "seed " << seed;
    }
}

TEST(StackingRuleTest, ThirtyNineEmptyCellsDrawForEveryBallButTheFirst) {
    int stackedDrops = 0;
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        GameState game = GameWithOccupiedPrefix(42, Beginner, seed);
        const Board before = game.board;
        Recorder recorder;
        DropBalls(game, recorder.host(), 3);
        EXPECT_EQ(game.random.state, StateAfter(seed, 11)) << "seed " << seed;
        EXPECT_EQ(TotalBalls(game.board), TotalBalls(before) + 3);
        stackedDrops += !NothingStacked(before, game.board);
        // The first ball always lands in an Empty cell, with its landing pause.
        const std::vector<std::string> lines = recorder.Lines();
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[1], "pause 100");
    }
    EXPECT_GT(stackedDrops, 20); // 45 % a ball at score 0
}

TEST(StackingRuleTest, ScoreOf4500EndsStackingAnd4499StillAllowsIt) {
    int stackedAt4499 = 0;
    for (std::uint32_t seed = 1; seed <= 1500; ++seed) {
        for (const std::int32_t score : {4500, 4499}) {
            GameState game = GameWithOccupiedPrefix(60, Expert, seed);
            game.score = score;
            const Board before = game.board;
            Recorder recorder;
            DropBalls(game, recorder.host(), 3);
            if (score == 4500)
                ASSERT_TRUE(NothingStacked(before, game.board)) << "seed " << seed;
            else
                stackedAt4499 += !NothingStacked(before, game.board);
        }
    }
    // Two draws a drop at 1 %: about 30 in 1500 drops.
    EXPECT_GT(stackedAt4499, 10);
    EXPECT_LT(stackedAt4499, 60);
}

TEST(StackingRuleTest, BallWithoutRoomGoesIntoAnEmptyCellEvenWhenItsDrawSucceeds) {
    for (std::uint32_t seed = 1; seed <= 100; ++seed) {
        GameState game = GameWithOccupiedPrefix(60, Expert, seed);
        for (int index = 0; index < 60; ++index)
            game.board.cells[index].stack = 4; // nothing below 4 anywhere
        game.next = {5, 0, 5, 0, 5};           // red is on the board, all of it at stack 4
        const Board before = game.board;
        Recorder recorder;
        DropBalls(game, recorder.host(), 3);
        // The third ball may stack on the first (both cyan); the red one had no room and
        // must have gone into an Empty cell, after its stacking draw all the same.
        for (int index = 0; index < 60; ++index)
            ASSERT_EQ(game.board.cells[index].stack, 4);
        ASSERT_EQ(TotalBalls(game.board), TotalBalls(before) + 3);
        ASSERT_EQ(game.random.state, StateAfter(seed, 11));
    }
}

int BallsOfColour(const Board& board, std::int32_t colour) {
    int total = 0;
    for (const Cell& cell : board.cells)
        total += cell.colour == colour ? cell.stack : 0;
    return total;
}

TEST(OverflowTest, OneEmptyCellTakesTheFirstBallAndTheRestStackFromSlotZero) {
    // Seed 3: the second draw, 7196, gives slot 0 its new colour 7196 % 7 = 0 (red); the
    // joker draw 1 + 9294 % 100 = 95 fails.
    GameState game = IdleGame(Expert, 3);
    FillWithoutMoves(game); // colours 0..4, stacks of 2
    Put(game, 8, 8, kNoColour, 0);
    game.next = {6, 1, 2, 3, 4}; // white has no stack anywhere
    const Board before = game.board;
    Recorder recorder;

    const int result = DropBalls(game, recorder.host(), 3);

    EXPECT_EQ(At(game, 8, 8).colour, 6);
    EXPECT_EQ(At(game, 8, 8).stack, 1);
    EXPECT_EQ(CountEmpty(game.board), 0);
    EXPECT_EQ(BallsOfColour(game.board, 0), BallsOfColour(before, 0) + 1); // new slot 0
    EXPECT_EQ(BallsOfColour(game.board, 1), BallsOfColour(before, 1) + 1); // slot 1
    // Main loop: placement, colour, joker draw. Overflow balls: placement and colour each.
    EXPECT_EQ(game.random.state, StateAfter(3, 7));
    EXPECT_EQ(result, 0); // a lone white ball among other colours: no move
    EXPECT_EQ(recorder.Count("redraw next"), 1);
    EXPECT_EQ(game.phase, GamePhase::Idle);
}

TEST(OverflowTest, OverflowBallWithoutRoomIsLostAndItsSlotStillRedrawn) {
    GameState game = IdleGame(Expert, 3);
    FillWithoutMoves(game);
    for (Cell& cell : game.board.cells)
        if (cell.colour == 1)
            cell.stack = 4; // green has no room
    Put(game, 8, 8, kNoColour, 0);
    game.next = {6, 1, 1, 3, 4};
    const Board before = game.board;
    Recorder recorder;

    DropBalls(game, recorder.host(), 3);

    EXPECT_EQ(BallsOfColour(game.board, 1), BallsOfColour(before, 1));
    EXPECT_EQ(game.random.state, StateAfter(3, 7));
}

TEST(OverflowTest, ExactlyAsManyEmptyCellsAsBallsMeansNoOverflowAndNoRefill) {
    GameState game = IdleGame(Beginner, 11);
    FillWithoutMoves(game);
    Put(game, 0, 0, kNoColour, 0);
    Put(game, 4, 4, kNoColour, 0);
    Put(game, 8, 8, kNoColour, 0);
    game.next = {6, 5, 7, 6, 6}; // three colours without a stack on the board
    Recorder recorder;

    const int result = DropBalls(game, recorder.host(), 3);

    EXPECT_EQ(CountEmpty(game.board), 0);
    EXPECT_EQ(TotalBalls(game.board), 2 * 78 + 3);
    // First ball: 3 draws; the others add the stacking draw (fewer than 40 Empty cells).
    EXPECT_EQ(game.random.state, StateAfter(11, 11));
    EXPECT_EQ(result, 1); // the lone joker can always move
}

TEST(RefillTest, StopsAtOnceWhenAMoveExistsOrTheBoardIsFull) {
    GameState game = IdleGame(Beginner, 5);
    FillWithoutMoves(game);
    Recorder recorder;
    EXPECT_EQ(RefillUntilMove(game, recorder.host()), 0);
    Put(game, 3, 3, 0, 1);
    Put(game, 3, 4, kNoColour, 0);
    EXPECT_EQ(RefillUntilMove(game, recorder.host()), 1);
    EXPECT_TRUE(recorder.Lines().empty());
    EXPECT_EQ(game.random.state, 5u);
}

TEST(RefillTest, FillsEmptyCellsUntilAMoveAppearsAndNeverMakesJokers) {
    GameState game = IdleGame(Beginner, 9);
    FillWithoutMoves(game);
    Put(game, 0, 0, kNoColour, 0);
    Put(game, 8, 8, kNoColour, 0);
    game.next = {7, 7, 7, 7, 7}; // refill takes slot colours as they are...
    Recorder recorder;

    EXPECT_EQ(RefillUntilMove(game, recorder.host()), 1);
    // ...a joker next to anything is a move, so one ball is enough.
    EXPECT_EQ(CountEmpty(game.board), 1);
    EXPECT_EQ(CountJokers(game.board, false), 1);
    EXPECT_NE(game.next[0], 7); // redrawn with RandomInt(0, 6)
    EXPECT_EQ(recorder.Count("redraw next"), 0);
}

TEST(JokerRuleTest, IntermediateCopiesSlotZeroIntoTheOtherSlotsOfTheDrop) {
    bool sawJokerTriple = false;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        GameState game = GameWithOccupiedPrefix(10, Intermediate, seed);
        Recorder recorder;
        DropBalls(game, recorder.host(), 3);
        ASSERT_EQ(game.next[1], game.next[0]);
        ASSERT_EQ(game.next[2], game.next[0]);
        // Per drop: ball 0 draws placement, colour and joker; balls 1 and 2 only placement.
        ASSERT_EQ(game.random.state, StateAfter(seed, 5));
        sawJokerTriple |= game.next[0] == kJoker;
    }
    EXPECT_TRUE(sawJokerTriple);
}

TEST(JokerRuleTest, JokerLimitsPerLevel) {
    struct Case {
        std::int32_t level;
        int jokersOnBoard;
    };
    for (const Case c : {Case{Beginner, 10}, Case{Intermediate, 3}, Case{Expert, 2}}) {
        for (std::uint32_t seed = 1; seed <= 300; ++seed) {
            GameState game = GameWithOccupiedPrefix(20, c.level, seed);
            for (int j = 0; j < c.jokersOnBoard; ++j)
                game.board.cells[j].colour = kJoker;
            Recorder recorder;
            DropBalls(game, recorder.host(), 3);
            for (std::int32_t slot : game.next)
                ASSERT_NE(slot, kJoker) << "level " << c.level << " seed " << seed;
        }
    }
}

TEST(JokerRuleTest, BeginnerTurnsAboutOneSlotInSevenIntoAJoker) {
    int jokers = 0;
    for (std::uint32_t seed = 1; seed <= 1000; ++seed) {
        GameState game = GameWithOccupiedPrefix(20, Beginner, seed);
        Recorder recorder;
        DropBalls(game, recorder.host(), 3);
        for (int slot = 0; slot < 3; ++slot)
            jokers += game.next[slot] == kJoker;
    }
    EXPECT_GT(jokers, 350); // 15 % of 3000
    EXPECT_LT(jokers, 560);
}

// On a full board a lone ball moves onto a neighbour of its colour, a joker onto any; a lone
// joker anywhere can always move; among stacks only, nothing moves; a lone ball moves into an
// Empty neighbour.
TEST(MoveAvailableTest, ALoneBallNeedsAMatchingOrEmptyNeighbour) {
    GameState game = IdleGame();
    FillWithoutMoves(game);
    EXPECT_EQ(MoveAvailable(game.board), 0);
    Put(game, 4, 4, At(game, 4, 4).colour, 1); // lone ball among other colours
    EXPECT_EQ(MoveAvailable(game.board), 0);
    Put(game, 4, 5, At(game, 4, 4).colour, 3); // same colour next to it
    EXPECT_EQ(MoveAvailable(game.board), 1);
    Put(game, 4, 5, kJoker, 2);
    EXPECT_EQ(MoveAvailable(game.board), 1);

    FillWithoutMoves(game);
    Put(game, 0, 0, kJoker, 1);
    EXPECT_EQ(MoveAvailable(game.board), 1);
    Put(game, 0, 0, kJoker, 2);
    Put(game, 8, 8, kJoker, 3);
    EXPECT_EQ(MoveAvailable(game.board), 0);

    FillWithoutMoves(game);
    Put(game, 8, 8, kNoColour, 0);
    EXPECT_EQ(MoveAvailable(game.board), 0); // neighbours have stacks of 2
    Put(game, 8, 7, 1, 1);
    EXPECT_EQ(MoveAvailable(game.board), 1);
}

TEST(ClearingTest, FullStackScoresStackTimesLevelFactor) {
    struct Case {
        std::int32_t level;
        std::int32_t points;
    };
    for (const auto& [level, points] :
         {Case{Beginner, 5}, Case{Intermediate, 10}, Case{Expert, 15}}) {
        GameState game = IdleGame(level);
        game.score = 7;
        Put(game, 2, 3, 4, 5);
        Recorder recorder;
        EXPECT_EQ(ClearIfFull(game, recorder.host(), 2, 3), 5);
        EXPECT_EQ(game.score, 7 + points);
        EXPECT_EQ(At(game, 2, 3).state, CellState::Empty);
        EXPECT_EQ(At(game, 2, 3).colour, kNoColour);
        EXPECT_EQ(At(game, 2, 3).stack, 0);
        EXPECT_EQ(recorder.Lines()[0], "redraw cell 21");
    }
}

TEST(ClearingTest, StacksBelowFiveStayAndScoreNothing) {
    GameState game = IdleGame();
    Put(game, 0, 0, 2, 4);
    Recorder recorder;
    EXPECT_EQ(ClearIfFull(game, recorder.host(), 0, 0), 4);
    EXPECT_EQ(At(game, 0, 0).stack, 4);
    EXPECT_EQ(game.score, 0);
    EXPECT_TRUE(recorder.Lines().empty());
}

TEST(ClearingTest, BestPanelRedrawnOnlyByTheClearThatPassesTheBest) {
    GameState game = IdleGame(Beginner);
    game.best[Beginner] = 7;
    Recorder recorder;
    std::vector<int> bestRedraws;
    for (int clear = 0; clear < 3; ++clear) {
        Put(game, 0, 0, 1, 5);
        recorder.Clear();
        ClearIfFull(game, recorder.host(), 0, 0);
        bestRedraws.push_back(recorder.Count("redraw best"));
        EXPECT_EQ(recorder.Count("redraw score"), 1);
    }
    EXPECT_EQ(bestRedraws, (std::vector<int>{0, 1, 0})); // scores 5, 10, 15 against 7
    EXPECT_EQ(game.best[Beginner], 7);
}

TEST(ClearingTest, ScoreSaturatesInsteadOfWrapping) {
    GameState game = IdleGame(Expert);
    game.score = INT32_MAX - 3;
    Put(game, 0, 0, 1, 5);
    Recorder recorder;
    ClearIfFull(game, recorder.host(), 0, 0);
    EXPECT_EQ(game.score, INT32_MAX);
}

TEST(QueryTest, CountsFollowTheirDefinitions) {
    GameState game = IdleGame();
    EXPECT_EQ(CountEmpty(game.board), 81);
    Put(game, 0, 0, kJoker, 1);
    Put(game, 0, 1, kJoker, 2);
    Put(game, 0, 2, kJoker, 4);
    Put(game, 0, 3, 2, 3);
    game.board.cells[4] = {CellState::Appearing, 1, kJoker};
    EXPECT_EQ(CountEmpty(game.board), 76);
    EXPECT_EQ(CountJokers(game.board, false), 4);
    EXPECT_EQ(CountJokers(game.board, true), 2);
    EXPECT_EQ(CountStackable(game.board, kJoker), 3); // stacks 1, 2 and the appearing 1
    EXPECT_EQ(CountStackable(game.board, 2), 1);
    EXPECT_EQ(CountStackable(game.board, 5), 0);
}

} // namespace
} // namespace cw
