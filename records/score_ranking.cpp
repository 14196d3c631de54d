// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/score_ranking.h"

#include <algorithm>

namespace cw {

int FindScorePosition(const LevelTable& table, std::int32_t score) {
    const auto found =
        std::ranges::find_if(table, [score](const ScoreEntry& row) { return row.score < score; });
    return found != table.end() ? static_cast<int>(found - table.begin()) : -1;
}

void InsertScoreEntry(LevelTable& table, int position, const ScoreEntry& entry) {
    if (position < 0 || position >= kTableRows)
        return;
    std::move_backward(table.begin() + position, table.end() - 1, table.end());
    table[position] = entry;
}

} // namespace cw
