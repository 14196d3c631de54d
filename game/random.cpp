// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/random.h"

namespace cw {

void SeedRandom(Random& random, std::uint32_t seed) {
    random.state = seed;
}

std::int32_t NextDraw(Random& random) {
    random.state = random.state * 214013u + 2531011u;
    return static_cast<std::int32_t>((random.state >> 16) & 0x7FFFu);
}

std::int32_t RandomInt(Random& random, std::int32_t a, std::int32_t b) {
    const std::int64_t draw = NextDraw(random);
    const std::int64_t span = static_cast<std::int64_t>(b) - a + 1;
    if (span == 0)
        return draw % 2 == 0 ? a : b;
    if (span < 0)
        return a;
    return static_cast<std::int32_t>(a + draw % span);
}

} // namespace cw
