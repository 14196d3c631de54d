// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes, arriving in any pieces, as a request to the running game or as its answer: the
// verdict on what has arrived never changes once given, is given by the longest line of the
// exchange at the latest, and names a line exactly when the bytes begin with it.
#include "ui/single_instance_protocol.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

void CheckPieces(std::string_view bytes, std::string_view pieces,
                 std::initializer_list<std::string_view> lines) {
    std::size_t longest = 0;
    for (const std::string_view line : lines)
        longest = std::max(longest, line.size());
    Check(longest <= cw::kMaxExchangeLine);

    const int whole = cw::MatchLine(bytes, lines);
    int verdict = cw::kLineIncomplete;
    std::size_t received = 0;
    for (std::size_t i = 0; received < bytes.size(); ++i) {
        received = std::min(bytes.size(), received + 1 + (i < pieces.size() ? pieces[i] & 15 : 7));
        const int now = cw::MatchLine(bytes.substr(0, received), lines);
        if (verdict != cw::kLineIncomplete)
            Check(now == verdict);
        if (now == cw::kLineIncomplete)
            Check(received < longest);
        verdict = now;
    }
    Check(verdict == whole || bytes.empty());
    int index = 0;
    for (const std::string_view line : lines) {
        Check((whole == index) == bytes.starts_with(line));
        ++index;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first bytes cut the rest into pieces as they might arrive.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = input.empty() ? 0 : std::min<std::size_t>(input[0] & 31, size - 1);
    const std::string_view pieces = input.substr(input.empty() ? 0 : 1, cut);
    const std::string_view bytes = input.substr(input.empty() ? 0 : 1 + cut);
    CheckPieces(bytes, pieces, {cw::kActivateRequest});
    CheckPieces(bytes, pieces, {cw::kShownAnswer, cw::kBusyAnswer});
    return 0;
}
