#pragma once

#include "game/state.h"

namespace cw {

// Queries over the real cells; none of them changes anything.
int CountEmpty(const Board& board);
// Cells holding jokers; with singleOnly only those with a stack of at most 1.
int CountJokers(const Board& board, bool singleOnly);
// Cells of that colour whose stack is below 4 (no state test: Empty cells have colour -1).
int CountStackable(const Board& board, std::int32_t colour);

bool ColoursMatch(std::int32_t a, std::int32_t b);

} // namespace cw
