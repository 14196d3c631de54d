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
        count += !singleOnly || cell.stack <= 1;
    }
    return count;
}

int CountStackable(const Board& board, std::int32_t colour) {
    int count = 0;
    for (const Cell& cell : board.cells)
        count += cell.colour == colour && cell.stack < 4;
    return count;
}

bool ColoursMatch(std::int32_t a, std::int32_t b) {
    return a == b || a == kJoker || b == kJoker;
}

} // namespace cw
