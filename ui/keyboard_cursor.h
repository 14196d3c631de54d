// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/state.h"

#include <algorithm>

namespace cw {

// Where keyboard play points on the board. Hidden until the first arrow key, which shows it
// at the centre; a mouse click hides it again, and the next arrow key shows it where it was.
class KeyboardCursor {
public:
    bool visible() const { return visible_; }
    int cell() const { return CellIndex(row_, column_); }

    // A hidden cursor only shows; a shown one moves one cell, stopping at the board's edges.
    void Step(int rows, int columns) {
        if (visible_) {
            row_ = std::clamp(row_ + rows, 0, kBoardSize - 1);
            column_ = std::clamp(column_ + columns, 0, kBoardSize - 1);
        }
        visible_ = true;
    }
    void Hide() { visible_ = false; }

private:
    int row_ = kBoardSize / 2;
    int column_ = kBoardSize / 2;
    bool visible_ = false;
};

} // namespace cw
