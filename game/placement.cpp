// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/board.h"
#include "game/rules.h"

#include <cstdint>

namespace cw {
namespace {

constexpr int kLandingPause = 100;
constexpr int kSettlePause = 50;
constexpr int kStackingEmptyLimit = 40; // drops into a board this empty never stack

struct JokerRule {
    std::int32_t threshold; // r2 at most this turns the slot into a joker...
    int limit;              // ...while fewer jokers than this are on the board
};

JokerRule JokerRuleFor(std::int32_t level) {
    switch (level) {
    case Beginner:
        return {15, 10};
    case Intermediate:
        return {5, 3};
    default:
        return {1, 2};
    }
}

void DrawSlotColour(GameState& game, int slot, int ballIndex) {
    if (game.level == Intermediate && ballIndex > 0) {
        game.next[slot] = game.next[0];
        return;
    }
    game.next[slot] = RandomInt(game.random, 0, kBallColours - 1);
    const JokerRule rule = JokerRuleFor(game.level);
    const std::int32_t r2 = RandomInt(game.random, 1, 100);
    if (r2 <= rule.threshold && CountJokers(game.board, false) < rule.limit)
        game.next[slot] = kJoker;
}

// Scores saturate instead of wrapping: a score set near the top of the range must not turn
// negative and slip out of the top-ten tables.
std::int32_t AddPoints(std::int32_t score, std::int32_t points) {
    const std::int64_t sum = static_cast<std::int64_t>(score) + points;
    return sum > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(sum);
}

bool StackingDrawSucceeds(GameState& game) {
    const std::int32_t r = RandomInt(game.random, 1, 100);
    return r <= 45 + game.score / -100;
}

} // namespace

void PlaceBall(GameState& game, Host& host, std::int32_t colour, bool onStack) {
    Board& board = game.board;
    // Only the count that feeds the draw is taken: counting has no effect of its own.
    const int e =
        RandomInt(game.random, 1, onStack ? CountStackable(board, colour) : CountEmpty(board));
    const int index = NthCell(board, e, [onStack, colour](const Cell& c) {
        return onStack ? IsStackable(c, colour) : c.state == CellState::Empty;
    });
    if (index < 0)
        return;

    Cell& cell = board.cells[index];
    const bool wasEmpty = cell.state == CellState::Empty;
    cell.colour = colour;
    cell.stack += 1;
    const bool joker = colour == kJoker;
    if (wasEmpty) {
        cell.state = CellState::Appearing;
        host.RefreshCell(index, joker);
        host.Pause(kLandingPause);
    }
    cell.state = CellState::Occupied;
    host.RefreshCell(index, joker);
    host.Pause(kSettlePause);
    ClearIfFull(game, host, index / kBoardSize, index % kBoardSize);
}

int DropBalls(GameState& game, Host& host, int count) {
    const int emptyAtStart = CountEmpty(game.board);
    game.phase = GamePhase::Placing;

    const int mainBalls = emptyAtStart < count ? emptyAtStart : count;
    for (int i = 0; i < mainBalls; ++i) {
        const int slot = i % kNextSlots;
        const std::int32_t colour = game.next[slot];
        bool onStack = false;
        // The room for this ball is what the board holds before its draws; nothing changes
        // the board between the stacking draw and the count, so counting after it is the same.
        if (i > 0 && emptyAtStart < kStackingEmptyLimit)
            onStack = StackingDrawSucceeds(game) && CountStackable(game.board, colour) > 0;
        PlaceBall(game, host, colour, onStack);
        DrawSlotColour(game, slot, i);
    }

    if (emptyAtStart > count) {
        RefillUntilMove(game, host);
    } else {
        // Overflow balls have nowhere empty to go: they stack or are lost.
        for (int k = 0; k < count - emptyAtStart; ++k) {
            const int slot = k % kNextSlots;
            PlaceBall(game, host, game.next[slot], true);
            game.next[slot] = RandomInt(game.random, 0, kBallColours - 1);
        }
    }

    host.RedrawNext();
    game.phase = GamePhase::Idle;
    return MoveAvailable(game.board);
}

int RefillUntilMove(GameState& game, Host& host) {
    for (int k = 0;; ++k) {
        if (MoveAvailable(game.board))
            return 1;
        if (CountEmpty(game.board) == 0)
            return 0;
        const int slot = k % kNextSlots;
        PlaceBall(game, host, game.next[slot], false);
        game.next[slot] = RandomInt(game.random, 0, kBallColours - 1);
    }
}

int MoveAvailable(const Board& board) {
    constexpr int kSteps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (int row = 0; row < kBoardSize; ++row) {
        for (int column = 0; column < kBoardSize; ++column) {
            const Cell& a = board.cells[CellIndex(row, column)];
            if (a.stack != 1)
                continue;
            for (const auto& step : kSteps) {
                const int r = row + step[0];
                const int c = column + step[1];
                if (r < 0 || r >= kBoardSize || c < 0 || c >= kBoardSize)
                    continue;
                const Cell& b = board.cells[CellIndex(r, c)];
                if (b.state == CellState::Empty || ColoursMatch(a.colour, b.colour))
                    return 1;
            }
        }
    }
    return 0;
}

std::int32_t ClearIfFull(GameState& game, Host& host, int row, int column) {
    const int index = CellIndex(row, column);
    Cell& cell = game.board.cells[index];
    const std::int32_t stack = cell.stack;
    if (stack < kClearingStack)
        return stack;

    cell = Cell{};
    host.RedrawCell(index);

    const std::int32_t before = game.score;
    game.score = AddPoints(before, stack * LevelFactor(game.level));
    host.RedrawScore();
    const std::int32_t best = game.best[game.level];
    if (before <= best && game.score > best)
        host.RedrawBest();
    return stack;
}

} // namespace cw
