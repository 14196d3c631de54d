// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/score_ranking.h"
#include "records_test_support.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

using test::MakeEntry;

LevelTable TableOfScores(std::array<std::int32_t, 10> scores) {
    LevelTable table{};
    for (int i = 0; i < kTableRows; ++i)
        table[i] = MakeEntry(("p" + std::to_string(i)).c_str(), scores[i], i + 1);
    return table;
}

// Equal scores go below all they equal; the tenth place needs more than its score, and zero
// never qualifies, even in an empty table.
TEST(FindScorePosition, ANewScoreGoesBelowEveryScoreItDoesNotBeat) {
    const LevelTable table = TableOfScores({90, 80, 80, 80, 50, 40, 30, 20, 10, 5});
    EXPECT_EQ(FindScorePosition(table, 80), 4);
    EXPECT_EQ(FindScorePosition(table, 81), 1);
    EXPECT_EQ(FindScorePosition(table, 91), 0);
    EXPECT_EQ(FindScorePosition(table, 5), -1);
    EXPECT_EQ(FindScorePosition(table, 6), 9);
    EXPECT_EQ(FindScorePosition(LevelTable{}, 0), -1);
    EXPECT_EQ(FindScorePosition(LevelTable{}, 1), 0);
}

TEST(InsertScoreEntry, AtTheTopEveryRowMovesDownAndTheTenthIsLost) {
    LevelTable table = TableOfScores({90, 80, 70, 60, 50, 40, 30, 20, 10, 5});
    InsertScoreEntry(table, 0, MakeEntry("new", 100));
    EXPECT_STREQ(table[0].name, "new");
    for (int i = 1; i < kTableRows; ++i)
        EXPECT_EQ(table[i].score, 100 - 10 * i);
}

TEST(InsertScoreEntry, AtTheTenthPlaceOnlyThatRowChangesAndOutsideTheTableNone) {
    const LevelTable before = TableOfScores({90, 80, 70, 60, 50, 40, 30, 20, 10, 5});
    LevelTable table = before;
    InsertScoreEntry(table, 9, MakeEntry("last", 7));
    InsertScoreEntry(table, -1, MakeEntry("x", 1));
    InsertScoreEntry(table, 10, MakeEntry("x", 1));
    for (int i = 0; i < 9; ++i)
        EXPECT_STREQ(table[i].name, before[i].name);
    EXPECT_STREQ(table[9].name, "last");
}

} // namespace
} // namespace cw
