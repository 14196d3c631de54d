// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/score_ranking.h"

#include <algorithm>

namespace cw {

int FindScorePosition(const LevelTable& table, std::int32_t score) {
    for (int index = 0; index < kTableRows; ++index) {
        if (table[index].score < score)
            return index;
    }
    return -1;
}

void InsertScoreEntry(LevelTable& table, int position, const ScoreEntry& entry) {
    if (position < 0 || position >= kTableRows)
        return;
    std::move_backward(table.begin() + position, table.end() - 1, table.end());
    table[position] = entry;
}

} // namespace cw
