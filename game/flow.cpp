// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/board.h"
#include "game/player_text.h"
#include "game/rules.h"

namespace cw {

void NewGame(GameState& game, Host& host, std::int32_t level) {
    // A new game must not inherit a selection from the abandoned one: the face animation stays
    // idle while a cell id is recorded, and the blink timer would tick on an empty cell.
    if (game.selection.cellId != -1 || game.selection.blink != 0)
        EndSelection(game, host);
    game.level = level;
    game.score = 0;

    host.RedrawScore();
    host.RedrawBest();
    for (int index = 0; index < kCellCount; ++index) {
        game.board.cells[index] = Cell{};
        host.RedrawCell(index);
    }
    PrepareSearch(game);

    for (std::int32_t& slot : game.next)
        slot = RandomInt(game.random, 0, kBallColours - 1);
    if (level == Beginner)
        game.next[kNextSlots - 1] = kJoker;

    constexpr int kFirstDrop = 5; // the 76 cells left empty always leave a move
    DropBalls(game, host, kFirstDrop);

    if (!game.faceTimerArmed) {
        host.StartTimer(kFaceTimer, RandomInt(game.random, 2000, 7000) + 3000);
        game.faceTimerArmed = 1;
    }
}

void GameOver(GameState& game, Host& host, std::int32_t level) {
    if (game.faceTimerArmed) {
        host.StopTimer(kFaceTimer);
        game.faceTimerArmed = 0;
    }
    host.Message(TranslatableText("Rules", "No more moves available, the game is over!"));
    host.OfferScoreEntry(level);
    NewGame(game, host, level);
}

void NewCommand(GameState& game, Host& host) {
    EndSelection(game, host);
    host.OfferScoreEntry(game.level);
    NewGame(game, host, game.level);
}

void ChangeLevel(GameState& game, Host& host, std::int32_t level,
                 const std::function<void()>& levelSet) {
    host.OfferScoreEntry(game.level);
    game.level = level;
    if (levelSet)
        levelSet();
    NewGame(game, host, level);
}

} // namespace cw
