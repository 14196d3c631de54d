// SPDX-License-Identifier: GPL-3.0-or-later
// CPU cost of the rules with a host whose pauses and drawing cost nothing.
#include "game/board.h"
#include "game/rules.h"
#include "tools/replay/trace_host.h"

#include <benchmark/benchmark.h>

#include <array>
#include <ctime>

namespace cw {
namespace {

class QuietHost : public TraceHost {
public:
    QuietHost() : TraceHost(nullptr) {}
    void Message(const std::string&) override { gameOver = true; }
    bool gameOver = false;
};

void Put(GameState& game, int row, int column, std::int32_t colour, std::int32_t stack) {
    game.board.cells[CellIndex(row, column)] = {colour < 0 ? CellState::Empty : CellState::Occupied,
                                                stack, colour};
}

// Even rows empty, odd rows walls with one gap at alternating ends: the only path from the
// bottom-left corner to the top-left one runs through every empty cell.
GameState SerpentineBoard() {
    GameState game;
    game.phase = GamePhase::Idle;
    for (int row = 1; row < kBoardSize; row += 2) {
        for (int column = 0; column < kBoardSize; ++column)
            Put(game, row, column, row % 5, 2);
    }
    for (int row = 1; row < kBoardSize; row += 2)
        Put(game, row, (row / 2) % 2 == 0 ? kBoardSize - 1 : 0, kNoColour, 0);
    Put(game, 8, 0, 3, 1);
    game.selection.row = 8;
    game.selection.column = 0;
    return game;
}

void BM_FindPathSerpentine(benchmark::State& state) {
    GameState game = SerpentineBoard();
    for (auto _ : state) {
        PrepareSearch(game);
        benchmark::DoNotOptimize(FindPath(game, 0, 0, false));
    }
    state.counters["pathLength"] = game.path.last + 1;
}
BENCHMARK(BM_FindPathSerpentine);

void BM_MoveAvailableFullBoard(benchmark::State& state) {
    GameState game;
    for (int row = 0; row < kBoardSize; ++row) {
        for (int column = 0; column < kBoardSize; ++column)
            Put(game, row, column, (row + 2 * column) % 5, 2);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(MoveAvailable(game.board)); // scans every cell: no move
}
BENCHMARK(BM_MoveAvailableFullBoard);

// Cells a lone ball at `source` can reach through Empty cells (one flood fill), so the
// player does not pay for a path search per candidate target.
std::array<bool, kCellCount> Reachable(const Board& board, int source) {
    std::array<bool, kCellCount> seen{};
    std::array<int, kCellCount> queue{};
    int head = 0, tail = 0;
    queue[tail++] = source;
    seen[source] = true;
    while (head < tail) {
        const int cell = queue[head++];
        const int row = cell / kBoardSize, column = cell % kBoardSize;
        const int neighbours[4][2] = {
            {row - 1, column}, {row + 1, column}, {row, column - 1}, {row, column + 1}};
        for (const auto& n : neighbours) {
            if (n[0] < 0 || n[0] >= kBoardSize || n[1] < 0 || n[1] >= kBoardSize)
                continue;
            const int next = CellIndex(n[0], n[1]);
            if (seen[next])
                continue;
            seen[next] = true; // reached; only Empty cells are walked through
            if (board.cells[next].state == CellState::Empty)
                queue[tail++] = next;
        }
    }
    return seen;
}

// The simple player: the first lone ball that can reach a matching cell moves there,
// otherwise the first lone ball that can reach an Empty cell, scanning in row-major order.
bool PlayOneMove(GameState& game, QuietHost& host) {
    int fallbackSource = -1, fallbackTarget = -1;
    for (int source = 0; source < kCellCount; ++source) {
        const Cell& ball = game.board.cells[source];
        if (ball.state == CellState::Empty || ball.stack != 1)
            continue;
        const std::array<bool, kCellCount> reach = Reachable(game.board, source);
        for (int target = 0; target < kCellCount; ++target) {
            const Cell& cell = game.board.cells[target];
            if (target == source || !reach[target])
                continue;
            if (cell.state != CellState::Empty && ColoursMatch(cell.colour, ball.colour)) {
                OnCellClick(game, host, source);
                OnCellClick(game, host, target);
                return true;
            }
            if (cell.state == CellState::Empty && fallbackSource < 0) {
                fallbackSource = source;
                fallbackTarget = target;
            }
        }
    }
    if (fallbackSource < 0)
        return false;
    OnCellClick(game, host, fallbackSource);
    OnCellClick(game, host, fallbackTarget);
    return true;
}

std::int64_t ThreadCpuNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// One move from the first click to Idle: selection, path search, walk, clearing and the
// drop. The player's choice and the restarts stay outside the measured thread CPU time.
void BM_MoveClickToIdle(benchmark::State& state) {
    QuietHost host;
    GameState start;
    start.random.state = 12345;
    NewGame(start, host, Beginner);
    GameState game = start;
    for (auto _ : state) {
        if (host.gameOver) {
            game = start;
            host.gameOver = false;
        }
        int clicks[2] = {-1, -1};
        for (int source = 0; source < kCellCount && clicks[0] < 0; ++source) {
            if (game.board.cells[source].stack != 1)
                continue;
            const auto reach = Reachable(game.board, source);
            for (int target = 0; target < kCellCount; ++target) {
                if (reach[target] && target != source &&
                    game.board.cells[target].state == CellState::Empty) {
                    clicks[0] = source;
                    clicks[1] = target;
                }
            }
        }
        if (clicks[0] < 0) {
            game = start;
            state.SetIterationTime(1e-9);
            continue;
        }
        const std::int64_t begin = ThreadCpuNanoseconds();
        OnCellClick(game, host, clicks[0]);
        OnCellClick(game, host, clicks[1]);
        state.SetIterationTime(static_cast<double>(ThreadCpuNanoseconds() - begin) * 1e-9);
    }
}
BENCHMARK(BM_MoveClickToIdle)->UseManualTime()->Unit(benchmark::kNanosecond);

void BM_WholeGame(benchmark::State& state) {
    std::uint32_t seed = 1;
    std::int64_t moves = 0;
    for (auto _ : state) {
        QuietHost host;
        GameState game;
        game.random.state = seed++;
        NewGame(game, host, static_cast<std::int32_t>(state.range(0)));
        while (!host.gameOver && PlayOneMove(game, host))
            ++moves;
    }
    state.counters["movesPerGame"] =
        benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeGame)
    ->Arg(Beginner)
    ->Arg(Intermediate)
    ->Arg(Expert)
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace cw

BENCHMARK_MAIN();
