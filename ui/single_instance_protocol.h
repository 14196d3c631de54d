// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exchange between a later start and the running game: the start sends one request line,
// the game answers one line and closes. Standard library only, so it can be fuzzed alone.

#include <initializer_list>
#include <string_view>

namespace cw {

inline constexpr std::string_view kActivateRequest = "activate\n";
inline constexpr std::string_view kShownAnswer = "shown\n";
inline constexpr std::string_view kBusyAnswer = "busy\n";
// More than any line of the exchange: a side never needs to buffer more than this.
inline constexpr std::size_t kMaxExchangeLine = 64;

inline constexpr int kLineIncomplete = -1;
inline constexpr int kLineInvalid = -2;

// Which of `lines` the bytes received so far begin with: its index, kLineIncomplete while they
// can still become one of them, kLineInvalid as soon as they cannot. Bytes after a complete
// line do not count.
int MatchLine(std::string_view received, std::initializer_list<std::string_view> lines);

} // namespace cw
