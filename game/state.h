// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/random.h"

#include <array>
#include <cstdint>

namespace cw {

inline constexpr int kBoardSize = 9;
inline constexpr int kCellCount = kBoardSize * kBoardSize;

// Colour index: -1 no ball, 0..6 red, green, blue, yellow, magenta, cyan, white; 7 the joker.
inline constexpr std::int32_t kNoColour = -1;
inline constexpr std::int32_t kJoker = 7;
inline constexpr int kBallColours = 7;

// A stack of this many balls clears at once and scores.
inline constexpr std::int32_t kClearingStack = 5;
// The largest stack at rest. A dropped ball joins only a smaller stack, so a drop never
// completes a stack; only a move does.
inline constexpr std::int32_t kLargestRestingStack = kClearingStack - 1;

enum class CellState : std::int32_t {
    Visited = -1, // path search marks, in the scratch copy only
    Empty = 0,
    Occupied = 1,
    Appearing = 2, // a ball landing in a cell that was Empty
    Selected = 4,
};

enum class GamePhase : std::int32_t {
    None = 0, // from start-up until the first drop of the first game ends
    Idle = 1,
    Selected = 2,
    Moving = 4,
    Placing = 8,
};

enum Level : std::int32_t { Beginner = 0, Intermediate = 1, Expert = 2 };
inline constexpr int kLevelCount = 3;
// Whether a number, such as one read from a file, names a level.
inline constexpr bool IsLevel(std::int64_t level) {
    return level >= 0 && level < kLevelCount;
}

// Invariant: a cell is Empty exactly when its stack is 0 and its colour -1.
struct Cell {
    CellState state = CellState::Empty;
    std::int32_t stack = 0;
    std::int32_t colour = kNoColour;
};

// Row-major, index = row * 9 + column. The scratch copy belongs to the path search alone.
struct Board {
    std::array<Cell, kCellCount> cells{};
    std::array<Cell, kCellCount> scratch{};
};

// Entry 0 is the cell next to the source of a move, entry `last` the target. An entry holds
// the row in its low 16 bits and the column in its high 16 bits.
struct Path {
    std::array<std::int32_t, kCellCount> entries{};
    std::int32_t last = -1;
};

// The colours of the balls to come; the i-th ball of a drop takes slot i % kNextSlots.
inline constexpr int kNextSlots = 5;
using NextColors = std::array<std::int32_t, kNextSlots>;
// A move that clears nothing drops this many balls, in the colours of the first slots: the
// colours the toolbar shows.
inline constexpr int kDropAfterMove = 3;

struct Selection {
    std::int32_t row = 0;
    std::int32_t column = 0;
    std::int32_t cellId = -1;
    std::int32_t blink = 0;
};

struct OptionFlagsState {
    std::int32_t traceAllMoves = 1;
    std::int32_t showNextColors = 1;
    std::int32_t animatedFaces = 1;
};

// The one game-wide state record, passed explicitly so that games can run side by side.
struct GameState {
    Board board;
    NextColors next{};
    std::int32_t level = Beginner;
    std::int32_t score = 0;
    std::array<std::int32_t, kLevelCount> best{};
    GamePhase phase = GamePhase::None;
    Selection selection;
    Path path;
    OptionFlagsState options;
    std::int32_t faceTimerArmed = 0;
    Random random;
};

inline constexpr int CellIndex(int row, int column) {
    return row * kBoardSize + column;
}
inline constexpr std::int32_t PackPathEntry(int row, int column) {
    return row | (column << 16);
}
inline constexpr int PathEntryRow(std::int32_t entry) {
    return entry & 0xFFFF;
}
inline constexpr int PathEntryColumn(std::int32_t entry) {
    return (entry >> 16) & 0xFFFF;
}

// The score factor of a level.
inline constexpr std::int32_t LevelFactor(std::int32_t level) {
    return level + 1;
}

} // namespace cw
