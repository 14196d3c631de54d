// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/rules.h"

#include <array>
#include <cstdlib>

namespace cw {
namespace {

struct Step {
    int dr;
    int dc;
};

int Sign(int value) {
    return (value > 0) - (value < 0);
}

// Neighbours in the order the search tries them: towards the source first, the axis of
// the larger distance leading (ties go to the horizontal axis).
std::array<Step, 4> NeighbourOrder(int dRow, int dColumn) {
    const Step vTowards{Sign(dRow), 0};
    const Step vAway{-Sign(dRow), 0};
    const Step hTowards{0, Sign(dColumn)};
    const Step hAway{0, -Sign(dColumn)};
    if (dColumn == 0)
        return {vTowards, Step{0, -1}, Step{0, 1}, vAway};
    if (dRow == 0)
        return {hTowards, Step{-1, 0}, Step{1, 0}, hAway};
    if (std::abs(dRow) > std::abs(dColumn))
        return {vTowards, hTowards, hAway, vAway};
    return {hTowards, vTowards, vAway, hAway};
}

} // namespace

void PrepareSearch(GameState& game) {
    game.board.scratch = game.board.cells;
    game.path.entries.fill(0);
    game.path.last = -1;
}

int FindPath(GameState& game, int row, int column, bool mustBeEmpty) {
    if (row < 0 || row >= kBoardSize || column < 0 || column >= kBoardSize)
        return 0;
    const Selection& source = game.selection;
    if (row == source.row && column == source.column)
        return 1;
    Cell& cell = game.board.scratch[CellIndex(row, column)];
    if (mustBeEmpty && cell.state != CellState::Empty)
        return 0;

    const std::array<Step, 4> order = NeighbourOrder(source.row - row, source.column - column);
    cell.state = CellState::Visited; // never taken back: each cell is entered at most once
    for (const Step& step : order) {
        if (FindPath(game, row + step.dr, column + step.dc, true)) {
            game.path.entries[++game.path.last] = PackPathEntry(row, column);
            return 1;
        }
    }
    return 0;
}

} // namespace cw
