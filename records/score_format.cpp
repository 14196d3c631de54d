// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/score_format.h"

#include <algorithm>
#include <cstring>

namespace cw {
namespace {

// The two constants of the record scrambling. Changing either makes every existing score
// file unreadable.
constexpr std::uint8_t kScrambleStepBase = 0x3D; // K1
constexpr std::uint8_t kScrambleFactor = 0xB5;   // K2

constexpr std::size_t kNameOffset = 0;
constexpr std::size_t kScoreOffset = 40;
constexpr std::size_t kGenerationOffset = 44;
constexpr std::size_t kTimeOffset = 48;

// Four bytes little-endian, whatever the host; int32_t as its two's-complement bits.
template <typename Word> void PutWord(std::uint8_t* out, Word value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

template <typename Word> Word GetWord(const std::uint8_t* in) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(in[i]) << (8 * i);
    return static_cast<Word>(bits);
}

// The file image padded with zeros up to the format's size, so a short file reads as
// empty fields rather than past its end.
ScoreFileBytes PaddedImage(std::span<const std::uint8_t> file) {
    ScoreFileBytes image{};
    std::copy_n(file.begin(), std::min(file.size(), image.size()), image.begin());
    return image;
}

std::size_t EntryOffset(int level, int index) {
    return kScoreHeaderBytes + (level * kTableRows + index) * kScoreEntryBytes;
}

ScoreEntry EntryFromBytes(const EntryBytes& bytes) {
    ScoreEntry entry;
    std::memcpy(entry.name, bytes.data() + kNameOffset, kNameBytes);
    entry.score = GetWord<std::int32_t>(bytes.data() + kScoreOffset);
    entry.generation = GetWord<std::int32_t>(bytes.data() + kGenerationOffset);
    entry.time = GetWord<std::uint32_t>(bytes.data() + kTimeOffset);
    return entry;
}

} // namespace

void ScrambleEntry(std::uint8_t* bytes, int length, int index) {
    const auto step = static_cast<std::uint8_t>(index + kScrambleStepBase);
    auto key = static_cast<std::uint8_t>(step * kScrambleFactor);
    for (int n = 0; n < length; ++n) {
        bytes[n] ^= key;
        key = static_cast<std::uint8_t>(key + step);
    }
}

EntryBytes EntryToBytes(const ScoreEntry& entry) {
    EntryBytes bytes{};
    std::memcpy(bytes.data() + kNameOffset, entry.name, kNameBytes);
    PutWord(bytes.data() + kScoreOffset, entry.score);
    PutWord(bytes.data() + kGenerationOffset, entry.generation);
    PutWord(bytes.data() + kTimeOffset, entry.time);
    return bytes;
}

ScoreHeaderBytes SerializeScoreHeader(const ScoreHeader& header) {
    ScoreHeaderBytes bytes{};
    PutWord(bytes.data() + 0, header.level);
    PutWord(bytes.data() + 4, header.shape);
    for (std::size_t i = 0; i < header.carried.size(); ++i)
        PutWord(bytes.data() + 8 + 4 * i, header.carried[i]);
    PutWord(bytes.data() + 20, header.optionFlags);
    // Bytes 24..35 stay zero: three reserved words.
    return bytes;
}

ScoreFileBytes SerializeScoreFile(const ScoreHeader& header, const ScoreTables& tables) {
    ScoreFileBytes image{};
    std::ranges::copy(SerializeScoreHeader(header), image.begin());
    for (int level = 0; level < kLevelCount; ++level) {
        for (int index = 0; index < kTableRows; ++index) {
            EntryBytes bytes = EntryToBytes(tables[level][index]);
            ScrambleEntry(bytes.data(), static_cast<int>(bytes.size()), index);
            std::ranges::copy(bytes, image.begin() + EntryOffset(level, index));
        }
    }
    return image;
}

ScoreHeader ParseScoreHeader(std::span<const std::uint8_t> file) {
    const ScoreFileBytes image = PaddedImage(file);
    ScoreHeader header;
    header.level = GetWord<std::int32_t>(image.data() + 0);
    header.shape = GetWord<std::int32_t>(image.data() + 4);
    for (std::size_t i = 0; i < header.carried.size(); ++i)
        header.carried[i] = GetWord<std::int32_t>(image.data() + 8 + 4 * i);
    header.optionFlags = GetWord<std::int32_t>(image.data() + 20);
    return header;
}

ScoreTables ParseScoreTables(std::span<const std::uint8_t> file) {
    ScoreTables tables{};
    for (int level = 0; level < kLevelCount; ++level) {
        for (int index = 0; index < kTableRows; ++index) {
            const std::size_t offset = EntryOffset(level, index);
            const std::size_t present =
                file.size() > offset ? std::min(file.size() - offset, kScoreEntryBytes) : 0;
            // Only the bytes the file holds are unscrambled: what it lacks reads as zero in
            // the record itself, so a cut-off file gives empty rows, not key-stream noise.
            EntryBytes bytes{};
            if (present > 0)
                std::copy_n(file.begin() + offset, present, bytes.begin());
            ScrambleEntry(bytes.data(), static_cast<int>(present), index);
            tables[level][index] = EntryFromBytes(bytes);
        }
    }
    return tables;
}

} // namespace cw
