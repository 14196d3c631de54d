// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace cw {

// The one generator of the program: rules, face animation and the About box's sparkle all
// draw from it, so the stream each of them sees depends on the others.
struct Random {
    std::uint32_t state = 0;
};

void SeedRandom(Random& random, std::uint32_t seed);

// Next raw draw: bits 16..30 of the advanced state, 0..32767.
std::int32_t NextDraw(Random& random);

// Uniform integer in a..b. The empty range b = a - 1 still consumes a draw and yields a for
// an even draw, b for an odd one; a range emptier than that yields a.
std::int32_t RandomInt(Random& random, std::int32_t a, std::int32_t b);

} // namespace cw
