// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings the game keeps between runs: where each is stored and what a first start uses
// until the player changes it. No Qt here: the parsers that read them are fuzzed on their own.

#include "game/state.h"

#include <cstdint>

namespace cw {

struct SettingKey {
    const char* section;
    const char* key;
};

// In COBWL.INI, every value hex-encoded.
// "Options": level, shape and the three carried values, as a number list.
inline constexpr SettingKey kOptionsSetting{"Settings", "Options"};
// "MoreOptions": the option flags, then three zeros.
inline constexpr SettingKey kMoreOptionsSetting{"Settings", "MoreOptions"};
// "Browser": the browser program the player chose; absent until then.
inline constexpr SettingKey kBrowserSetting{"Settings", "Browser"};
// In WIN.INI, as plain text: the version of the game that last saved its settings.
inline constexpr SettingKey kVersionSetting{"Cobblewell", "Version"};

// First-start values, which a stored level or shape out of range falls back to as well. The
// level and the display options are those of a fresh game state: Beginner, every option on.
inline constexpr std::int32_t kDefaultLevel = GameState{}.level;
inline constexpr std::int32_t kDefaultShape = 2;

} // namespace cw
