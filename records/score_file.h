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
// the file, or (where it cannot be read) takes the settings file's values and saves the score
// file with them.
void PrepareScoreFile(GameState& game, RecordsState& records);

// Reads records.scoreFilePath: the tables, the header when the settings vouch for it, and
// every level's best score. 0 (changing nothing) when the file cannot be opened, is no
// regular file, or is empty.
int LoadScoreFile(GameState& game, RecordsState& records);

// Rewrites the first 1,596 bytes of the file (records/safe_save.h), keeping any bytes beyond
// them, or creates it whole, in one step, where nothing or an empty file stands in its way.
// 0, with the file untouched, when it cannot be read whole or written; `error`, when given,
// then holds the errno value that tells why. A file that exists but cannot be read may hold
// someone's scores: it is neither emptied nor replaced.
int SaveScoreFile(const GameState& game, const RecordsState& records, int* error = nullptr);

// At exit, so that the next start begins with the level, shape, carried values and options in
// force now: the header alone, where the file's own differs, its tables as the file holds
// them. 1 when the file holds them afterwards, or is missing (the settings carry them then).
int SaveScoreHeader(const GameState& game, const RecordsState& records);

} // namespace cw
