// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes at all as a score file: reading must not fault, and what it reads must survive
// a save and a second read unchanged.
#include "records/option_values.h"
#include "records/score_format.h"
#include "records/score_ranking.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    const cw::ScoreHeader header = cw::ParseScoreHeader(file);
    const cw::ScoreTables tables = cw::ParseScoreTables(file);

    const std::int32_t level = cw::ValidLevel(header.level);
    const std::int32_t shape = cw::ValidShape(header.shape);
    if (level < 0 || level > 2 || shape < 1 || shape > 8)
        std::abort();

    // Saving what was read reproduces the file, but for the three reserved header words.
    const cw::ScoreFileBytes saved = cw::SerializeScoreFile(header, tables);
    if (size >= cw::kScoreFileBytes &&
        (std::memcmp(saved.data(), data, 24) != 0 ||
         std::memcmp(saved.data() + 36, data + 36, cw::kScoreFileBytes - 36) != 0))
        std::abort();
    const cw::ScoreTables again = cw::ParseScoreTables(saved);
    for (int l = 0; l < cw::kLevelCount; ++l) {
        for (int i = 0; i < cw::kTableRows; ++i) {
            if (cw::EntryToBytes(again[l][i]) != cw::EntryToBytes(tables[l][i]))
                std::abort();
        }
        cw::LevelTable table = tables[l];
        const int position = cw::FindScorePosition(table, tables[l][0].score);
        cw::InsertScoreEntry(table, position, tables[l][0]);
    }
    return 0;
}
