// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plain records of the top-ten tables; no Qt, so the file parsers stay cheap to fuzz.

#include "game/state.h"

#include <array>
#include <cstdint>

namespace cw {

inline constexpr int kNameBytes = 40;
// The name keeps a zero terminator inside its 40 bytes.
inline constexpr int kMaxNameBytes = kNameBytes - 1;
inline constexpr int kTableRows = 10;

// One top-ten row exactly as it is stored (after unscrambling): 52 bytes, no padding.
// Bytes of the name after its terminator are carried along untouched.
struct ScoreEntry {
    char name[kNameBytes] = {};
    std::int32_t score = 0;
    std::int32_t generation = 0;
    // Seconds since 1970-01-01 UTC, 0 for no entry. Unsigned, as every file stored them: a
    // signed count would turn 2038 into 1901.
    std::uint32_t time = 0;
    // All 52 bytes, the name's bytes after its terminator included.
    bool operator==(const ScoreEntry&) const = default;
};
static_assert(sizeof(ScoreEntry) == 52);

using LevelTable = std::array<ScoreEntry, kTableRows>;
// Level-major; entry 0 of a level holds its highest score.
using ScoreTables = std::array<LevelTable, kLevelCount>;

// Values that both the score file's header and the "Options" setting carry without
// interpreting them.
using CarriedValues = std::array<std::int32_t, 3>;

} // namespace cw
