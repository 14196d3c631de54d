// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/state.h"

#include <QString>

#include <vector>

namespace cw {

// What one player action did, read from the state the rules leave and from the requests they
// make of the window while they run it, so that the rules themselves need to know nothing of
// screen readers. A click is told by how the selection changed and whether the clicked cell
// took the moving ball; a landing by its cell's Appearing state, or, for a ball joining a
// stack, by a refresh during a drop; a clear by the score rising.
class ActionReport {
public:
    explicit ActionReport(const GameState& game) : game_(game) {}

    // A click on `cell` (keys or mouse), or, for -1, a command that deals a new game.
    void Begin(int cell);
    void CellRefreshed(int cell);
    void ScoreRedrawn();
    void Beeped();
    // The rules' one message ends the game: its text is said at once, before the message box
    // opens, and the rest of the action is the new game that follows.
    QString GameOver();
    // The message for the whole action, key fact first; empty when it changed nothing.
    QString Finish();

private:
    enum class Opening { None, Selected, Cancelled, LoneBallOnly, NoPath, Moved, NewGame };
    struct Landing {
        int cell;
        std::int32_t colour;
    };

    Opening ClickOutcome() const;

    // What the action has shown so far; a new action starts from a blank one.
    struct Record {
        bool active = false;
        bool newGame = false;
        int clicked = -1;
        GamePhase phaseBefore = GamePhase::None;
        int selectedBefore = -1;
        std::int32_t clickedStack = 0;
        bool moved = false;
        bool beeped = false;
        std::int32_t score = 0;
        std::int32_t points = 0;
        int appearing = -1;
        std::vector<Landing> landings;
    };

    const GameState& game_;
    Record r_;
};

// The texts the keys that speak on demand say.
QString ScoreAnnouncement(std::int32_t score, std::int32_t best);
QString NextColoursAnnouncement(const QString& nextColours);
QString CellAnnouncement(int index, const Cell& cell);

} // namespace cw
