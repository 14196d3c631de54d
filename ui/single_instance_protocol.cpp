// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/single_instance_protocol.h"

#include <algorithm>

namespace cw {
namespace {

constexpr std::string_view kActivateWord = kActivateRequest.substr(0, kActivateRequest.size() - 1);

bool IsTokenCharacter(char c) {
    return c > ' ' && c < 0x7f;
}

} // namespace

int MatchLine(std::string_view received, std::initializer_list<std::string_view> lines) {
    int index = 0;
    bool couldBecomeOne = false;
    for (const std::string_view line : lines) {
        if (received.starts_with(line))
            return index;
        couldBecomeOne = couldBecomeOne || line.starts_with(received);
        ++index;
    }
    return couldBecomeOne ? kLineIncomplete : kLineInvalid;
}

bool IsActivationToken(std::string_view token) {
    return !token.empty() && token.size() <= kMaxActivationToken &&
           std::all_of(token.begin(), token.end(), IsTokenCharacter);
}

std::string MakeActivateRequest(std::string_view token) {
    if (token.empty())
        return std::string(kActivateRequest);
    std::string request(kActivateWord);
    request.append(1, ' ').append(token).append(1, '\n');
    return request;
}

ActivateRequest ParseActivateRequest(std::string_view received) {
    const std::size_t end = received.find('\n');
    const bool whole = end != std::string_view::npos;
    std::string_view line = received.substr(0, end);
    if (!line.starts_with(kActivateWord))
        return {!whole && kActivateWord.starts_with(line) ? kLineIncomplete : kLineInvalid, {}};
    line.remove_prefix(kActivateWord.size());
    if (line.empty())
        return {whole ? 0 : kLineIncomplete, {}};
    if (line.front() != ' ')
        return {kLineInvalid, {}};
    const std::string_view token = line.substr(1);
    if (whole)
        return IsActivationToken(token) ? ActivateRequest{0, token}
                                        : ActivateRequest{kLineInvalid, {}};
    // Still arriving: what came of the token so far must be able to become a whole one.
    const bool couldBecomeOne = token.size() <= kMaxActivationToken &&
                                std::all_of(token.begin(), token.end(), IsTokenCharacter);
    return {couldBecomeOne ? kLineIncomplete : kLineInvalid, {}};
}

} // namespace cw
