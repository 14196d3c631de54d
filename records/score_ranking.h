// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/score_entry.h"

#include <cstdint>

namespace cw {

// The index 0..9 at which `score` enters the table, or -1. An equal score goes below the
// rows it equals, so a score equal to the tenth row's does not qualify, nor does 0.
int FindScorePosition(const LevelTable& table, std::int32_t score);

// Puts `entry` at `position`, moving the rows from there on down by one; the old tenth row
// is lost.
void InsertScoreEntry(LevelTable& table, int position, const ScoreEntry& entry);

} // namespace cw
