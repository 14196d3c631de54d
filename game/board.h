// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/state.h"

namespace cw {

// Queries over the real cells; none of them changes anything.
int CountEmpty(const Board& board);
// Cells holding jokers; with singleOnly only those with a stack of at most 1.
int CountJokers(const Board& board, bool singleOnly);
// Cells of that colour whose stack is below the largest resting stack (no state test: Empty
// cells have colour -1).
int CountStackable(const Board& board, std::int32_t colour);
bool IsStackable(const Cell& cell, std::int32_t colour);
// A joker that stands alone, the only kind that pulls faces.
bool IsSingleJoker(const Cell& cell);

// The e-th cell (1-based, row-major) that satisfies `wanted`, or -1.
template <typename Predicate> int NthCell(const Board& board, int e, Predicate wanted) {
    for (int index = 0; index < kCellCount; ++index) {
        if (wanted(board.cells[index]) && --e == 0)
            return index;
    }
    return -1;
}

bool ColoursMatch(std::int32_t a, std::int32_t b);

} // namespace cw
