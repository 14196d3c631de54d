// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/host.h"
#include "game/state.h"

#include <functional>

namespace cw {

// Game flow.
void NewGame(GameState& game, Host& host, std::int32_t level);
void GameOver(GameState& game, Host& host, std::int32_t level);

// Ball placement, clearing and scoring.
void PlaceBall(GameState& game, Host& host, std::int32_t colour, bool onStack);
int DropBalls(GameState& game, Host& host, int count);
int RefillUntilMove(GameState& game, Host& host);
int MoveAvailable(const Board& board);
std::int32_t ClearIfFull(GameState& game, Host& host, int row, int column);

// Player moves and path search.
void OnCellClick(GameState& game, Host& host, int cell);
// Stops the blink timer and forgets the selected cell and its blink; the cell's own state is
// left to the caller.
void EndSelection(GameState& game, Host& host);
void PrepareSearch(GameState& game);
int FindPath(GameState& game, int row, int column, bool mustBeEmpty);
void MoveBall(GameState& game, Host& host);
// The cursor rule: a cell shows the hand while a ball is selected or when it holds a lone ball.
bool CellShowsHand(const GameState& game, int cell);

// Animation ticks driven by the window's timers.
void BlinkTick(GameState& game, Host& host);
// windowShown: the main window is visible and not minimised.
void OnFaceTimer(GameState& game, Host& host, bool windowShown);

// Commands that start a game; both offer the abandoned game's score first. A level change
// calls levelSet once the new level is in force and before the new game is dealt, so the
// window can show the new title and check mark first.
void NewCommand(GameState& game, Host& host);
void ChangeLevel(GameState& game, Host& host, std::int32_t level,
                 const std::function<void()>& levelSet = {});

} // namespace cw
