// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The byte layout of the score file, apart from any file access: a 36-byte header and 30
// scrambled 52-byte records, all integers little-endian whatever the host.

#include "records/score_entry.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace cw {

inline constexpr std::size_t kScoreHeaderBytes = 36;
inline constexpr std::size_t kScoreEntryBytes = sizeof(ScoreEntry);
inline constexpr std::size_t kScoreFileBytes =
    kScoreHeaderBytes + kLevelCount * kTableRows * kScoreEntryBytes;
static_assert(kScoreFileBytes == 1596);

// Header values exactly as stored; the reader of a header decides what an odd value means.
struct ScoreHeader {
    std::int32_t level = 0;
    std::int32_t shape = 0;
    CarriedValues carried{};
    std::int32_t optionFlags = 0;
    bool operator==(const ScoreHeader&) const = default;
};

using ScoreFileBytes = std::array<std::uint8_t, kScoreFileBytes>;
using ScoreHeaderBytes = std::array<std::uint8_t, kScoreHeaderBytes>;
using EntryBytes = std::array<std::uint8_t, kScoreEntryBytes>;

// XORs `length` bytes in place with the key stream of record index `index` (0..9 within its
// level); the same call scrambles and unscrambles.
void ScrambleEntry(std::uint8_t* bytes, int length, int index);

EntryBytes EntryToBytes(const ScoreEntry& entry);

ScoreHeaderBytes SerializeScoreHeader(const ScoreHeader& header);
ScoreFileBytes SerializeScoreFile(const ScoreHeader& header, const ScoreTables& tables);

// Both read a file image of any length: bytes it lacks count as zero (in a record: as zero
// after unscrambling, an empty row), bytes past the 1,596 of the format are never looked at.
ScoreHeader ParseScoreHeader(std::span<const std::uint8_t> file);
ScoreTables ParseScoreTables(std::span<const std::uint8_t> file);

} // namespace cw
