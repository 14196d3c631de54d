// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exchange between a later start and the running game: the start sends one request line,
// the game answers one line and closes. Standard library only, so it can be fuzzed alone.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace cw {

// "activate\n", or "activate TOKEN\n" from a start that its launcher gave a Wayland activation
// token: the running game needs one to come forward there.
inline constexpr std::string_view kActivateRequest = "activate\n";
inline constexpr std::string_view kShownAnswer = "shown\n";
inline constexpr std::string_view kBusyAnswer = "busy\n";
// Tokens of today's compositors are well under this; a longer one is refused, not cut.
inline constexpr std::size_t kMaxActivationToken = 255;
// The longest line of the exchange: a side never needs to buffer more than this.
inline constexpr std::size_t kMaxExchangeLine = kActivateRequest.size() + 1 + kMaxActivationToken;

inline constexpr int kLineIncomplete = -1;
inline constexpr int kLineInvalid = -2;

// Which of `lines` the bytes received so far begin with: its index, kLineIncomplete while they
// can still become one of them, kLineInvalid as soon as they cannot. Bytes after a complete
// line do not count.
int MatchLine(std::string_view received, std::initializer_list<std::string_view> lines);

// A token as the game accepts it from another process: 1 to kMaxActivationToken printable
// ASCII characters, no space.
bool IsActivationToken(std::string_view token);

struct ActivateRequest {
    int verdict = kLineIncomplete; // 0 once a whole request has arrived, else as for MatchLine
    std::string_view token;        // within the received bytes; empty when none came
};

// The request a later start sends, with its token when it has one (a valid one, or none).
std::string MakeActivateRequest(std::string_view token);

// The activate request that the bytes received so far begin with, with its token if any.
ActivateRequest ParseActivateRequest(std::string_view received);

} // namespace cw
