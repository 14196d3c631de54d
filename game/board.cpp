// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/board.h"

#include <algorithm>

namespace cw {

int CountEmpty(const Board& board) {
    return static_cast<int>(std::ranges::count(board.cells, CellState::Empty, &Cell::state));
}

int CountJokers(const Board& board, bool singleOnly) {
    return static_cast<int>(std::ranges::count_if(board.cells, [singleOnly](const Cell& cell) {
        return cell.state != CellState::Empty && cell.colour == kJoker &&
               (!singleOnly || IsSingleJoker(cell));
    }));
}

int CountStackable(const Board& board, std::int32_t colour) {
    return static_cast<int>(std::ranges::count_if(
        board.cells, [colour](const Cell& cell) { return IsStackable(cell, colour); }));
}

bool IsStackable(const Cell& cell, std::int32_t colour) {
    return cell.colour == colour && cell.stack < kLargestRestingStack;
}

bool IsSingleJoker(const Cell& cell) {
    return cell.state != CellState::Empty && cell.colour == kJoker && cell.stack <= 1;
}

bool ColoursMatch(std::int32_t a, std::int32_t b) {
    return a == b || a == kJoker || b == kJoker;
}

} // namespace cw
