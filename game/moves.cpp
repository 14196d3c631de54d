// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/board.h"
#include "game/rules.h"

#include <cstdlib>

namespace cw {
namespace {

constexpr int kStepPause = 150;
constexpr int kBlinkPeriod = 300;

void Select(GameState& game, Host& host, int index) {
    game.selection.row = index / kBoardSize;
    game.selection.column = index % kBoardSize;
    game.board.cells[index].state = CellState::Selected;
    game.phase = GamePhase::Selected;
    host.StartTimer(kBlinkTimer, kBlinkPeriod);
    game.selection.cellId = index;
    game.selection.blink = 1;
    host.RedrawCell(index);
}

bool Adjacent(int a, int b) {
    const int dr = std::abs(a / kBoardSize - b / kBoardSize);
    const int dc = std::abs(a % kBoardSize - b % kBoardSize);
    return dr + dc == 1;
}

int SelectedIndex(const GameState& game) {
    return CellIndex(game.selection.row, game.selection.column);
}

// The selected ball, always a lone one, moves into an empty cell or onto a stack it matches.
void MoveSelectedTo(GameState& game, Host& host, int target) {
    Cell& source = game.board.cells[SelectedIndex(game)];
    EndSelection(game, host);
    game.phase = GamePhase::Moving;
    game.board.cells[target].stack += source.stack;
    MoveBall(game, host);
    if (ClearIfFull(game, host, target / kBoardSize, target % kBoardSize) >= kClearingStack) {
        const int moveLeft = RefillUntilMove(game, host);
        host.RedrawNext();
        if (!moveLeft)
            GameOver(game, host, game.level);
    } else if (!DropBalls(game, host, kDropAfterMove)) {
        GameOver(game, host, game.level);
    }
    game.phase = GamePhase::Idle;
}

// A move needs a path; without one the selection stays and the player hears a beep.
void MoveAlongPathTo(GameState& game, Host& host, int target) {
    PrepareSearch(game);
    if (FindPath(game, target / kBoardSize, target % kBoardSize, false) == 1)
        MoveSelectedTo(game, host, target);
    else
        host.Beep();
}

void ClickOnBall(GameState& game, Host& host, int index) {
    if (game.phase == GamePhase::Selected) {
        const int selected = SelectedIndex(game);
        Cell& source = game.board.cells[selected];
        if (ColoursMatch(game.board.cells[index].colour, source.colour)) {
            MoveAlongPathTo(game, host, index);
            return;
        }
        source.state = CellState::Occupied;
        EndSelection(game, host);
        host.RedrawCell(selected);
    }
    if (game.board.cells[index].stack >= 2) {
        game.phase = GamePhase::Idle;
        return;
    }
    Select(game, host, index);
}

} // namespace

void OnCellClick(GameState& game, Host& host, int index) {
    if (index < 0 || index >= kCellCount)
        return;
    if (game.phase != GamePhase::Idle && game.phase != GamePhase::Selected)
        return;
    Cell& clicked = game.board.cells[index];

    if (game.phase == GamePhase::Selected && index == SelectedIndex(game)) {
        EndSelection(game, host);
        game.phase = GamePhase::Idle;
        clicked.state = CellState::Occupied;
        host.RedrawCell(index);
        return;
    }
    if (clicked.state != CellState::Empty) {
        ClickOnBall(game, host, index);
        return;
    }
    if (game.phase == GamePhase::Selected)
        MoveAlongPathTo(game, host, index);
}

void EndSelection(GameState& game, Host& host) {
    host.StopTimer(kBlinkTimer);
    game.selection.cellId = -1;
    game.selection.blink = 0;
}

void MoveBall(GameState& game, Host& host) {
    Board& board = game.board;
    const int source = SelectedIndex(game);
    const int target = CellIndex(PathEntryRow(game.path.entries[game.path.last]),
                                 PathEntryColumn(game.path.entries[game.path.last]));
    Cell& goal = board.cells[target];
    const bool jokerInvolved = goal.state != CellState::Empty && goal.colour == kJoker;
    // A ball landing on an empty cell or a joker stack lends it its colour; a coloured stack
    // keeps its own (which also turns a moving joker into that colour).
    const bool targetTakesBallColour = goal.state == CellState::Empty || goal.colour == kJoker;

    if (!game.options.traceAllMoves) {
        if (targetTakesBallColour)
            goal.colour = board.cells[source].colour;
        goal.state = CellState::Occupied;
        board.cells[source] = Cell{};
        host.RedrawCell(source);
        host.RefreshCell(target, jokerInvolved);
        return;
    }

    int current = source;
    for (int i = 0;; ++i) {
        const std::int32_t ballColour = board.cells[current].colour;
        board.cells[current] = Cell{};
        host.RedrawCell(current);

        const bool lastStep = Adjacent(current, target);
        const int next = lastStep ? target
                                  : CellIndex(PathEntryRow(game.path.entries[i]),
                                              PathEntryColumn(game.path.entries[i]));
        if (next != target || targetTakesBallColour)
            board.cells[next].colour = ballColour;
        board.cells[next].state = CellState::Occupied;
        host.RefreshCell(next, jokerInvolved);
        host.Pause(kStepPause);

        if (lastStep || i + 1 > game.path.last)
            return;
        current = next;
    }
}

bool CellShowsHand(const GameState& game, int index) {
    if (game.phase == GamePhase::Selected)
        return true;
    const Cell& cell = game.board.cells[index];
    return cell.state != CellState::Empty && cell.stack == 1;
}

} // namespace cw
