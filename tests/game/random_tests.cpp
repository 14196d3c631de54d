// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/random.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

// Seed 1: state 1 * 214013 + 2531011 = 2745024, bits 16..30 give 41; the next states give
// 18467, 6334, 26500 and 19169, each worked out the same way.
TEST(RandomTest, FirstDrawsFromSeedOneFollowTheFormula) {
    Random random{1};
    EXPECT_EQ(NextDraw(random), 41);
    EXPECT_EQ(random.state, 2745024u);
    EXPECT_EQ(NextDraw(random), 18467);
    EXPECT_EQ(NextDraw(random), 6334);
    EXPECT_EQ(NextDraw(random), 26500);
    EXPECT_EQ(NextDraw(random), 19169);
}

TEST(RandomTest, StateWrapsModulo32Bits) {
    Random random{0xFFFFFFFFu};
    // (2^32 - 1) * 214013 + 2531011 mod 2^32 = 2531011 - 214013 = 2316998.
    NextDraw(random);
    EXPECT_EQ(random.state, 2316998u);
}

TEST(RandomTest, RandomIntMapsTheDrawIntoTheRange) {
    Random random{1};
    EXPECT_EQ(RandomInt(random, 0, 6), 41 % 7);
    EXPECT_EQ(RandomInt(random, 1, 100), 1 + 18467 % 100);
    EXPECT_EQ(RandomInt(random, 3000, 16000), 3000 + 6334 % 13001);
    EXPECT_EQ(RandomInt(random, 5, 5), 5);
}

TEST(RandomTest, EmptyRangeChoosesByTheParityOfTheDraw) {
    Random random{1};
    EXPECT_EQ(RandomInt(random, 1, 0), 0); // 41 is odd: b
    EXPECT_EQ(RandomInt(random, 1, 0), 0); // 18467 is odd: b
    EXPECT_EQ(RandomInt(random, 1, 0), 1); // 6334 is even: a
    EXPECT_EQ(RandomInt(random, 7, 6), 7); // 26500 is even: a
}

TEST(RandomTest, EmptierRangesYieldTheLowerBoundAndStillDraw) {
    Random random{1};
    EXPECT_EQ(RandomInt(random, 10, 3), 10);
    EXPECT_EQ(RandomInt(random, INT32_MAX, INT32_MIN), INT32_MAX);
    Random twoDraws{1};
    NextDraw(twoDraws);
    NextDraw(twoDraws);
    EXPECT_EQ(random.state, twoDraws.state);
}

TEST(RandomTest, WidestRangeHasNoOverflow) {
    Random random{1};
    EXPECT_EQ(RandomInt(random, INT32_MIN, INT32_MAX), INT32_MIN + 41);
}

} // namespace
} // namespace cw
