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

TEST(NewGameTest, ClearsTheBoardThenDropsFiveBallsAndArmsTheFaceTimer) {
    GameState game;
    game.random.state = 1;
    game.score = 99;
    Recorder recorder;
    NewGame(game, recorder.host(), Beginner);

    const std::vector<std::string> lines = recorder.Lines();
    ASSERT_GT(lines.size(), 83u);
    EXPECT_EQ(lines[0], "redraw score");
    EXPECT_EQ(lines[1], "redraw best");
    for (int index = 0; index < kCellCount; ++index)
        EXPECT_EQ(lines[2 + index], "redraw cell " + std::to_string(index));
    EXPECT_EQ(lines.back().rfind("timer start 2 ", 0), 0u);
    const int period = std::stoi(lines.back().substr(14));
    EXPECT_GE(period, 5000);
    EXPECT_LE(period, 10000);

    EXPECT_EQ(game.score, 0);
    EXPECT_EQ(game.phase, GamePhase::Idle);
    EXPECT_EQ(game.faceTimerArmed, 1);
    EXPECT_EQ(CountEmpty(game.board), 76);
    EXPECT_EQ(game.path.last, -1);
}

TEST(NewGameTest, OnlyBeginnersFirstDropHoldsAJokerAndThatAsItsFifthBall) {
    for (const std::int32_t level : {Beginner, Intermediate, Expert}) {
        for (std::uint32_t seed = 1; seed <= 50; ++seed) {
            GameState game;
            game.random.state = seed;
            Recorder recorder;
            NewGame(game, recorder.host(), level);
            ASSERT_EQ(CountJokers(game.board, false), level == Beginner) << level << "/" << seed;
            ASSERT_EQ(CountEmpty(game.board), 76);
            // The fifth landing is the tenth refresh: Appearing, then Occupied, per ball.
            std::vector<std::string> refreshes;
            for (const std::string& line : recorder.Lines())
                if (line.rfind("refresh", 0) == 0)
                    refreshes.push_back(line);
            ASSERT_EQ(refreshes.size(), 10u);
            EXPECT_EQ(refreshes[8].back(), level == Beginner ? '1' : '0');
            EXPECT_EQ(refreshes[6].back(), '0');
        }
    }
}

TEST(NewGameTest, RunningFaceTimerIsLeftAlone) {
    GameState game;
    game.faceTimerArmed = 1;
    Recorder recorder;
    NewGame(game, recorder.host(), Expert);
    for (const std::string& line : recorder.Lines())
        EXPECT_EQ(line.find("timer"), std::string::npos) << line;
}

TEST(NewGameTest, OpenSelectionEndsWithTheOldGame) {
    GameState game = IdleGame();
    Put(game, 3, 3, 2, 1);
    Recorder recorder;
    OnCellClick(game, recorder.host(), CellIndex(3, 3));
    recorder.Clear();
    ChangeLevel(game, recorder.host(), Expert);
    EXPECT_EQ(recorder.Lines()[0], "offer 0");
    EXPECT_EQ(recorder.Lines()[1], "timer stop 1");
    EXPECT_EQ(game.selection.cellId, -1);
    EXPECT_EQ(game.selection.blink, 0);
    EXPECT_EQ(game.level, Expert);
}

TEST(CommandTest, NewStopsTheBlinkAndOffersTheScoreBeforeDealing) {
    GameState game = IdleGame(Intermediate);
    Put(game, 3, 3, 2, 1);
    Recorder recorder;
    OnCellClick(game, recorder.host(), CellIndex(3, 3));
    recorder.Clear();
    NewCommand(game, recorder.host());
    const std::vector<std::string> lines = recorder.Lines();
    EXPECT_EQ(lines[0], "timer stop 1");
    EXPECT_EQ(lines[1], "offer 1");
    EXPECT_EQ(lines[2], "redraw score");
    EXPECT_EQ(recorder.Count("timer stop 1"), 1);
    EXPECT_EQ(game.level, Intermediate);
}

TEST(CommandTest, LevelChangeShowsTheNewLevelBeforeDealing) {
    GameState game = IdleGame(Beginner);
    Recorder recorder;
    std::size_t linesWhenShown = 0;
    ChangeLevel(game, recorder.host(), Intermediate, [&] {
        EXPECT_EQ(game.level, Intermediate);
        linesWhenShown = recorder.Lines().size();
    });
    EXPECT_EQ(linesWhenShown, 1u); // only the offer for the level being left
    EXPECT_EQ(recorder.Lines()[0], "offer 0");
}

TEST(GameOverTest, StopsFacesReportsOffersAndDealsAgainAtTheSameLevel) {
    GameState game = IdleGame(Expert, 4);
    game.score = 40;
    Recorder recorder;
    GameOver(game, recorder.host(), Expert);
    const std::vector<std::string> lines = recorder.Lines();
    ASSERT_GT(lines.size(), 5u);
    EXPECT_EQ(lines[0], "timer stop 2");
    EXPECT_EQ(lines[1], "message No more moves available, the game is over!");
    EXPECT_EQ(lines[2], "offer 2");
    EXPECT_EQ(lines[3], "redraw score");
    EXPECT_EQ(lines.back().rfind("timer start 2 ", 0), 0u); // the next game arms it anew
    EXPECT_EQ(game.score, 0);
    EXPECT_EQ(game.level, Expert);
}

// A full board but for one cell: moving the lone red ball there leaves one Empty cell for
// the drop, whose overflow has nowhere to go, and no move remains.
TEST(GameOverTest, MoveThatLeavesNoMoveEndsTheGame) {
    GameState game = IdleGame(Expert, 17);
    FillWithoutMoves(game);
    for (Cell& cell : game.board.cells)
        cell.stack = 4; // no room for overflow balls
    Put(game, 0, 0, 6, 1);
    Put(game, 0, 1, kNoColour, 0);
    game.next = {5, 5, 5, 5, 5};
    Recorder recorder;
    OnCellClick(game, recorder.host(), 0);
    OnCellClick(game, recorder.host(), 1);
    EXPECT_EQ(recorder.Count("message No more moves available, the game is over!"), 1);
    EXPECT_EQ(recorder.Count("offer 2"), 1);
    EXPECT_EQ(game.phase, GamePhase::Idle);
    EXPECT_EQ(CountEmpty(game.board), 76); // the next game's first drop
}

TEST(BlinkTest, TogglesTheFlagOfTheSelectedCell) {
    GameState game = IdleGame();
    Recorder recorder;
    BlinkTick(game, recorder.host());
    EXPECT_TRUE(recorder.Lines().empty());
    game.selection.cellId = 12;
    game.selection.blink = 1;
    BlinkTick(game, recorder.host());
    EXPECT_EQ(game.selection.blink, 0);
    BlinkTick(game, recorder.host());
    EXPECT_EQ(game.selection.blink, 1);
    EXPECT_EQ(recorder.Count("redraw cell 12"), 2);
}

struct FaceFixture : ::testing::Test {
    GameState game = IdleGame(Beginner, 1);
    Recorder recorder;
};

// Seed 1 draws 41, 18467, 6334, 26500: with three lone jokers k = 1 + 41 % 3 = 3, the face
// is 18467 % 12 = 11, the pause 400 + 100 + 6334 % 301 = 513 and the next period
// 2000 + 1000 + 26500 % 13001 = 3498.
TEST_F(FaceFixture, PicksTheKthLoneJokerInRowMajorOrder) {
    Put(game, 0, 5, kJoker, 1);
    Put(game, 2, 0, kJoker, 2); // a stack: never pulls a face
    Put(game, 3, 3, kJoker, 1);
    game.board.cells[CellIndex(7, 7)] = {CellState::Appearing, 1, kJoker};
    OnFaceTimer(game, recorder.host(), true);
    EXPECT_EQ(recorder.Lines(),
              (std::vector<std::string>{"face 70 11", "pause 513", "redraw cell 70", "timer stop 2",
                                        "timer start 2 3498"}));
    EXPECT_EQ(game.faceTimerArmed, 1);
}

TEST_F(FaceFixture, WithoutLoneJokersOnlyTheTimerIsRearmed) {
    Put(game, 2, 0, kJoker, 2);
    OnFaceTimer(game, recorder.host(), true);
    // One draw: 2000 + 1000 + 41 % 13001.
    EXPECT_EQ(recorder.Lines(), (std::vector<std::string>{"timer stop 2", "timer start 2 3041"}));
}

TEST_F(FaceFixture, IdleWhileOffSelectedOrHidden) {
    Put(game, 0, 0, kJoker, 1);
    game.options.animatedFaces = 0;
    OnFaceTimer(game, recorder.host(), true);
    game.options.animatedFaces = 1;
    game.selection.cellId = 40;
    OnFaceTimer(game, recorder.host(), true);
    game.selection.cellId = -1;
    OnFaceTimer(game, recorder.host(), false);
    EXPECT_TRUE(recorder.Lines().empty());
    EXPECT_EQ(game.random.state, 1u);

    OnFaceTimer(game, recorder.host(), true); // the first tick after the condition ends
    EXPECT_EQ(recorder.Lines().front(), "face 0 11");
}

} // namespace
} // namespace cw
