// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/board.h"

namespace cw {

int CountEmpty(const Board& board) {
    int count = 0;
    for (const Cell& cell : board.cells)
        count += cell.state == CellState::Empty;
    return count;
}

int CountJokers(const Board& board, bool singleOnly) {
    int count = 0;
    for (const Cell& cell : board.cells) {
        if (cell.state == CellState::Empty || cell.colour != kJoker)
            continue;
        count += !singleOnly || IsSingleJoker(cell);
    }
    return count;
}

int CountStackable(const Board& board, std::int32_t colour) {
    int count = 0;
    for (const Cell& cell : board.cells)
        count += IsStackable(cell, colour);
    return count;
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
