// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The stored forms of the player's options, shared by the score file's header and the
// settings file. No Qt here: the parsers that use it are fuzzed on their own.

#include "game/state.h"
#include "records/settings_table.h"
#include "resources/art_names.h"

#include <cstdint>

namespace cw {

inline constexpr std::int32_t kShapeCount = static_cast<std::int32_t>(art::kShapeFamilies.size());

// OptionFlags: bit 0 trace all moves, bit 1 show next colours, bit 2 animated faces.
inline constexpr std::int32_t PackOptionFlags(const OptionFlagsState& options) {
    return (options.traceAllMoves ? 1 : 0) | (options.showNextColors ? 2 : 0) |
           (options.animatedFaces ? 4 : 0);
}

// Bits above bit 2 mean nothing and are dropped.
inline constexpr void UnpackOptionFlags(std::int64_t flags, OptionFlagsState& options) {
    options.traceAllMoves = (flags & 1) ? 1 : 0;
    options.showNextColors = (flags & 2) ? 1 : 0;
    options.animatedFaces = (flags & 4) ? 1 : 0;
}

// A stored level or shape outside its range would index past the tables and bitmaps, so
// it falls back to the default instead.
inline constexpr std::int32_t ValidLevel(std::int64_t level) {
    return IsLevel(level) ? static_cast<std::int32_t>(level) : kDefaultLevel;
}
inline constexpr std::int32_t ValidShape(std::int64_t shape) {
    return shape >= 1 && shape <= kShapeCount ? static_cast<std::int32_t>(shape) : kDefaultShape;
}

} // namespace cw
