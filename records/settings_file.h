// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The player's settings (records/settings_table.h) in "COBWL.INI" and "WIN.INI", both in the
// per-user configuration folder. Results follow the house pattern: 1 for success, 0 for
// failure. A file that is no regular file, cannot be read or is far too large reads as empty,
// counts as a failure and is never rewritten (records/regular_file.h); nor is a file saved
// that would grow too large to be read back.

#include "game/state.h"
#include "records/records_state.h"

#include <QString>

namespace cw {

QString SettingsFilePath(); // .../COBWL.INI
QString ProfileFilePath();  // .../WIN.INI

// Only on the start-up path that creates the score file; a missing key leaves its value.
int ReadSettings(GameState& game, RecordsState& records);
// At Exit and at Close from the window: one save of COBWL.INI with all its keys, and of
// WIN.INI while it lacks the version. An empty browser path keeps the stored one.
int WriteSettings(const GameState& game, const RecordsState& records);

// Whether the score file's header is to be believed: true when "Options" holds anything or
// "WIN.INI" carries a "Version".
bool ScoreHeaderInForce();

} // namespace cw
