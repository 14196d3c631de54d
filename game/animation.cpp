// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/board.h"
#include "game/rules.h"

namespace cw {

void BlinkTick(GameState& game, Host& host) {
    const std::int32_t id = game.selection.cellId;
    if (id < 0 || id >= kCellCount)
        return;
    game.selection.blink ^= 1;
    host.RedrawCell(id);
}

void OnFaceTimer(GameState& game, Host& host, bool windowShown) {
    if (!game.options.animatedFaces || game.selection.cellId != -1 || !windowShown)
        return;

    const int eligible = CountJokers(game.board, true);
    if (eligible > 0) {
        const int cell = NthCell(game.board, RandomInt(game.random, 1, eligible), IsSingleJoker);
        const int face = RandomInt(game.random, 0, kFaceCount - 1);
        host.ShowFace(cell, face);
        host.Pause(400 + RandomInt(game.random, 100, 400));
        host.RedrawCell(cell);
    }

    host.StopTimer(kFaceTimer);
    host.StartTimer(kFaceTimer, 2000 + RandomInt(game.random, 1000, 14000));
    game.faceTimerArmed = 1;
}

} // namespace cw
