// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Offering a finished or abandoned game a place in the top ten, and the Top Players dialog.

#include "game/state.h"
#include "records/records_state.h"

class QWidget;

namespace cw {

// At game over and before New, a level change (for the level being left) and Exit. A score
// that does not qualify shows nothing; one that does asks for a name, saves the score file
// and shows the Top Players dialog. Cancelling the name keeps table and file unchanged, yet
// a first-place score still becomes the level's best. An entry that cannot be saved is told
// in a message box that names the file and the reason; it stays in the table in memory.
void OfferScoreEntry(GameState& game, RecordsState& records, int level, QWidget* owner);

// High Scores: the Top Players dialog on the current level.
void ShowTopPlayers(const GameState& game, RecordsState& records, QWidget* owner);

// The desktop font's average character width, by which the table's fields are indented;
// measure it once at start-up into records.averageCharWidth.
int MeasureAverageCharWidth();

} // namespace cw
