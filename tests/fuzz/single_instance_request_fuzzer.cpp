// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes, arriving in any pieces, as a request to the running game or as its answer: the
// verdict on what has arrived never changes once given, is given by the longest line of the
// exchange at the latest, and names a line exactly when the bytes begin with it. A request's
// token is one the game accepts, and is the one its sender put in the line.
#include "ui/single_instance_protocol.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

// Feeds `bytes` in the sizes `pieces` gives to `verdictOf` and checks how the verdict evolves;
// returns the final one.
template <typename VerdictOf>
int CheckPieces(std::string_view bytes, std::string_view pieces, VerdictOf verdictOf) {
    int verdict = cw::kLineIncomplete;
    std::size_t received = 0;
    for (std::size_t i = 0; received < bytes.size(); ++i) {
        received = std::min(bytes.size(), received + 1 + (i < pieces.size() ? pieces[i] & 15 : 7));
        const int now = verdictOf(bytes.substr(0, received));
        if (verdict != cw::kLineIncomplete)
            Check(now == verdict);
        if (now == cw::kLineIncomplete)
            Check(received < cw::kMaxExchangeLine);
        verdict = now;
    }
    Check(verdict == verdictOf(bytes) || bytes.empty());
    return verdict;
}

void CheckAnswers(std::string_view bytes, std::string_view pieces) {
    const auto lines = {cw::kShownAnswer, cw::kBusyAnswer};
    const int whole = CheckPieces(bytes, pieces, [&lines](std::string_view received) {
        return cw::MatchLine(received, lines);
    });
    int index = 0;
    for (const std::string_view line : lines) {
        Check(line.size() <= cw::kMaxExchangeLine);
        Check((whole == index) == bytes.starts_with(line));
        ++index;
    }
}

void CheckRequest(std::string_view bytes, std::string_view pieces) {
    CheckPieces(bytes, pieces, [](std::string_view received) {
        return cw::ParseActivateRequest(received).verdict;
    });
    const cw::ActivateRequest request = cw::ParseActivateRequest(bytes);
    if (request.verdict == 0) {
        Check(request.token.empty() || cw::IsActivationToken(request.token));
        Check(bytes.starts_with(cw::MakeActivateRequest(request.token)));
    }
    Check((request.verdict == 0 && request.token.empty()) ==
          bytes.starts_with(cw::kActivateRequest));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first bytes cut the rest into pieces as they might arrive.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = input.empty() ? 0 : std::min<std::size_t>(input[0] & 31, size - 1);
    const std::string_view pieces = input.substr(input.empty() ? 0 : 1, cut);
    const std::string_view bytes = input.substr(input.empty() ? 0 : 1 + cut);
    CheckRequest(bytes, pieces);
    CheckAnswers(bytes, pieces);
    // A request as a later start makes it from whatever its launcher gave it.
    if (cw::IsActivationToken(bytes))
        Check(cw::ParseActivateRequest(cw::MakeActivateRequest(bytes)).token == bytes);
    return 0;
}
