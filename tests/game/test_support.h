// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/state.h"
#include "tools/replay/trace_host.h"

#include <sstream>
#include <string>
#include <vector>

namespace cw::test {

// Records every host operation in the replay driver's trace notation.
class Recorder {
public:
    Host& host() { return host_; }

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(out_.str());
        for (std::string line; std::getline(in, line);)
            lines.push_back(line.substr(2));
        return lines;
    }
    void Clear() { out_.str({}); }
    int Count(const std::string& line) const {
        int count = 0;
        for (const std::string& l : Lines())
            count += l == line;
        return count;
    }

private:
    std::ostringstream out_;
    TraceHost host_{&out_};
};

inline void Put(GameState& game, int row, int column, std::int32_t colour, std::int32_t stack) {
    Cell& cell = game.board.cells[CellIndex(row, column)];
    cell.state = colour < 0 ? CellState::Empty : CellState::Occupied;
    cell.colour = colour;
    cell.stack = stack;
}

inline const Cell& At(const GameState& game, int row, int column) {
    return game.board.cells[CellIndex(row, column)];
}

// A game in progress on an empty board, waiting for a click.
inline GameState IdleGame(std::int32_t level = Beginner, std::uint32_t seed = 1) {
    GameState game;
    game.level = level;
    game.phase = GamePhase::Idle;
    game.random.state = seed;
    game.faceTimerArmed = 1;
    return game;
}

// Fills every cell with a stack of 2 in a pattern where no neighbours share a colour.
inline void FillWithoutMoves(GameState& game) {
    for (int row = 0; row < kBoardSize; ++row)
        for (int column = 0; column < kBoardSize; ++column)
            Put(game, row, column, (row + 2 * column) % 5, 2);
}

// The generator state after n raw draws from `seed`.
inline std::uint32_t StateAfter(std::uint32_t seed, int draws) {
    Random random{seed};
    for (int i = 0; i < draws; ++i)
        NextDraw(random);
    return random.state;
}

} // namespace cw::test
