// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "cobblewell.top" in the per-user data folder: the three top-ten tables and a header with
// the level, shape, carried values and option flags. Results: 1 success, 0 failure.

#include "game/state.h"
#include "records/records_state.h"

#include <QString>

namespace cw {

// <per-user data folder>/cobblewell.top
QString DefaultScoreFilePath();

// Start-up: sets records.scoreFilePath and clears away what interrupted saves left, then loads
// the file, or (where it cannot be read) takes the settings file's values and creates the
// score file from them, whole in one step, where nothing but an empty file stands in its way.
void PrepareScoreFile(GameState& game, RecordsState& records);

// Reads records.scoreFilePath: the tables, the header when the settings vouch for it, and
// every level's best score. 0 (changing nothing) when the file cannot be opened, is no
// regular file, or is empty.
int LoadScoreFile(GameState& game, RecordsState& records);

// Rewrites the first 1,596 bytes of an existing file (records/safe_save.h), keeping any bytes
// beyond them. 0, with the file untouched, when it does not exist or cannot be read whole or
// written.
int SaveScoreFile(const GameState& game, const RecordsState& records);

} // namespace cw
