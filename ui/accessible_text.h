// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/state.h"

#include <QString>

#include <cstdint>

namespace cw {

// What a screen reader says of the board and the toolbar. The texts follow what a sighted
// player sees: colour, joker, stack height, the selection.

// "red" .. "white", "joker"; an empty string for anything else.
QString ColourName(std::int32_t colour);
// "row 3, column 5", counted from 1 as players count.
QString CellAccessibleName(int index);
// "red ball", "red ball, stack of 2", "joker", "selected joker", "empty".
QString CellDescription(const Cell& cell);
// The three colours the panel shows, "red, joker, blue"; "hidden" while the panel is off.
QString NextColoursDescription(const NextColors& next, bool shown);

} // namespace cw
