// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test_support.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace cw::test {
namespace {

constexpr std::int32_t kRed = 0;
constexpr std::int32_t kBlue = 2;
constexpr std::int32_t kYellow = 3;

// What the screen reader was told last, after clicks through the real window.
class WindowAnnouncement : public WindowTest {
protected:
    std::string Said() const {
        return window_->findChild<QLabel*>("announcer")->text().toStdString();
    }
    std::string SaidAfter(std::initializer_list<int> clicks) {
        for (const int cell : clicks)
            Click(cell);
        return Said();
    }
};

TEST_F(WindowAnnouncement, ClicksThatMoveNothingSayWhatTheyDid) {
    Start();
    // The red ball in the corner is walled in by blue ones; cell 4 holds a red stack.
    SetBoard({{0, kRed}, {1, kBlue}, {9, kBlue}, {4, kRed}});
    game_.board.cells[4].stack = 2;
    EXPECT_EQ(SaidAfter({0}), "Red ball selected.");
    EXPECT_EQ(SaidAfter({0}), "Selection cancelled.");
    EXPECT_EQ(SaidAfter({0, 80}), "No path.");
    EXPECT_EQ(SaidAfter({1}), "Blue ball selected.");
    EXPECT_EQ(SaidAfter({4}), "Only a lone ball can be moved.");
    EXPECT_EQ(SaidAfter({80}), "Only a lone ball can be moved.") << "an empty cell says nothing";
}

TEST_F(WindowAnnouncement, AMoveSaysWhereTheBallWentThenTheClearOrTheNewBalls) {
    Start();
    // Onto a red stack of four in row 1: it clears, and the blue ball still has a move.
    SetBoard({{0, kRed}, {4, kRed}, {80, kBlue}});
    game_.board.cells[4].stack = 4;
    game_.score = 20;
    EXPECT_EQ(SaidAfter({0, 4}), "Moved to row 1, column 5. Stack of five cleared: 5 points. "
                                 "Score 25.");
    // The drop that follows is the fixed seed's; the board agrees with what is said.
    EXPECT_EQ(SaidAfter({80, 8}), "Moved to row 1, column 9. New balls: joker at row 1, column 6; "
                                  "yellow at row 4, column 5; yellow at row 1, column 1.");
    EXPECT_EQ(game_.board.cells[5].colour, kJoker);
    EXPECT_EQ(game_.board.cells[31].colour, kYellow);
    EXPECT_EQ(game_.board.cells[0].colour, kYellow);
}

TEST_F(WindowAnnouncement, NewGameAndTheKeysThatSpeak) {
    Start();
    TriggerCommand("actionExpert");
    EXPECT_TRUE(Said().starts_with("New game, Expert. New balls: ")) << Said();
    SetBoard({{40, kBlue}});
    game_.board.cells[40].stack = 3;
    game_.score = 7;
    game_.best[Expert] = 12;
    game_.next = {kRed, kJoker, kBlue, kRed, kRed};
    TriggerCommand("actionSayScore");
    EXPECT_EQ(Said(), "Score 7, best 12.");
    TriggerCommand("actionSayNextColours");
    EXPECT_EQ(Said(), "Next colours: red, joker, blue.");
    TriggerCommand("actionSayCell");
    EXPECT_EQ(Said(), "Row 5, column 5: blue ball, stack of 3.");
}

} // namespace
} // namespace cw::test
