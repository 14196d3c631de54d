// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/score_format.h"
#include "records_test_support.h"

#include <QFile>

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace cw {
namespace {

using test::MakeEntry;

std::int32_t ReadLe32(const ScoreFileBytes& image, std::size_t offset) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(image[offset + i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

EntryBytes KeyStream(int index) {
    EntryBytes zeros{};
    ScrambleEntry(zeros.data(), static_cast<int>(zeros.size()), index);
    return zeros;
}

ScoreTables SampleTables() {
    ScoreTables tables{};
    for (int level = 0; level < kLevelCount; ++level) {
        for (int index = 0; index < kTableRows; ++index)
            tables[level][index] =
                MakeEntry("player", 1000 - 10 * index - level, index, 1000 + index);
    }
    return tables;
}

TEST(ScrambleEntry, TwiceWithTheSameIndexGivesTheRecordBack) {
    EntryBytes original{};
    std::iota(original.begin(), original.end(), std::uint8_t{7});
    for (int index = 0; index < kTableRows; ++index) {
        EntryBytes bytes = original;
        ScrambleEntry(bytes.data(), static_cast<int>(bytes.size()), index);
        EXPECT_NE(bytes, original) << "index " << index;
        ScrambleEntry(bytes.data(), static_cast<int>(bytes.size()), index);
        EXPECT_EQ(bytes, original) << "index " << index;
    }
}

TEST(ScrambleEntry, KeyStreamIsStepTimesFactorPlusPosition) {
    // Byte n of index i is combined with s * (K2 + n) where s = i + K1: the stream steps by
    // s, the step grows by one per index, and one K2 gives every stream's first byte.
    std::vector<int> steps;
    for (int index = 0; index < kTableRows; ++index) {
        const EntryBytes key = KeyStream(index);
        const auto step = static_cast<std::uint8_t>(key[1] - key[0]);
        for (std::size_t n = 1; n < key.size(); ++n)
            ASSERT_EQ(static_cast<std::uint8_t>(key[n] - key[n - 1]), step) << index << "/" << n;
        steps.push_back(step);
        if (index > 0) {
            EXPECT_EQ(static_cast<std::uint8_t>(steps[index] - steps[index - 1]), 1);
        }
    }
    bool someFactorFits = false;
    for (int factor = 0; factor < 256 && !someFactorFits; ++factor) {
        someFactorFits = true;
        for (int index = 0; index < kTableRows; ++index) {
            if (KeyStream(index)[0] != static_cast<std::uint8_t>(steps[index] * factor))
                someFactorFits = false;
        }
    }
    EXPECT_TRUE(someFactorFits);
}

TEST(ScrambleEntry, ALengthBelowOneChangesNothing) {
    EntryBytes bytes{};
    bytes.fill(0x55);
    const EntryBytes before = bytes;
    ScrambleEntry(bytes.data(), 0, 3);
    ScrambleEntry(bytes.data(), -5, 3);
    EXPECT_EQ(bytes, before);
}

TEST(ScoreFileLayout, HeaderFieldsAreLittleEndianAtTheirOffsets) {
    const ScoreHeader header{2, 7, {0x01020304, -2, 99}, 5};
    const ScoreFileBytes image = SerializeScoreFile(header, ScoreTables{});
    EXPECT_EQ(image.size(), 1596u);
    EXPECT_EQ(image[0], 2);
    EXPECT_EQ(image[4], 7);
    EXPECT_EQ(image[8], 0x04);
    EXPECT_EQ(image[9], 0x03);
    EXPECT_EQ(image[11], 0x01);
    EXPECT_EQ(ReadLe32(image, 12), -2);
    EXPECT_EQ(ReadLe32(image, 16), 99);
    EXPECT_EQ(ReadLe32(image, 20), 5);
    for (std::size_t offset = 24; offset < 36; ++offset)
        EXPECT_EQ(image[offset], 0) << "reserved byte " << offset;
}

// Seed files of the score-file fuzzer, written by a separate script from the format's rules;
// a change of layout or scrambling constants makes every existing score file unreadable.
QByteArray SeedFile(const char* name) {
    QFile file(QStringLiteral(SCORE_FILE_SEEDS "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray AsByteArray(const ScoreFileBytes& image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()), 1596);
}

TEST(ScoreFileLayout, ANewFileMatchesTheStoredImageByteForByte) {
    EXPECT_EQ(AsByteArray(SerializeScoreFile(ScoreHeader{0, 2, {}, 7}, ScoreTables{})),
              SeedFile("new_file"));
}

TEST(ScoreFileLayout, AFullFileMatchesTheStoredImageByteForByte) {
    ScoreTables tables{};
    for (int level = 0; level < kLevelCount; ++level) {
        for (int i = 0; i < kTableRows; ++i) {
            const std::string name = "Player " + std::to_string(i);
            tables[level][i] =
                MakeEntry(name.c_str(), 1000 - 50 * i + level, i + 1, 1700000000 + i);
        }
    }
    EXPECT_EQ(AsByteArray(SerializeScoreFile(ScoreHeader{2, 8, {1, 2, 3}, 5}, tables)),
              SeedFile("full_tables"));
}

TEST(ScoreFileLayout, EachRecordIsScrambledAtItsLevelAndIndex) {
    const ScoreTables tables = SampleTables();
    const ScoreFileBytes image = SerializeScoreFile(ScoreHeader{}, tables);
    for (int level = 0; level < kLevelCount; ++level) {
        for (int index = 0; index < kTableRows; ++index) {
            EntryBytes stored{};
            const std::size_t offset = 36 + (level * 10 + index) * 52;
            std::copy_n(image.begin() + offset, 52, stored.begin());
            ScrambleEntry(stored.data(), 52, index);
            EXPECT_EQ(stored, EntryToBytes(tables[level][index])) << level << "/" << index;
        }
    }
}

TEST(ScoreFileLayout, EntryFieldsAreNameScoreGenerationTime) {
    const EntryBytes bytes = EntryToBytes(MakeEntry("Ann", 0x0A0B0C0D, 3, -1));
    EXPECT_EQ(bytes[0], 'A');
    EXPECT_EQ(bytes[3], 0);
    EXPECT_EQ(bytes[40], 0x0D);
    EXPECT_EQ(bytes[43], 0x0A);
    EXPECT_EQ(bytes[44], 3);
    EXPECT_EQ(bytes[48], 0xFF);
    EXPECT_EQ(bytes[51], 0xFF);
}

TEST(ScoreFileLayout, EqualRecordsAtOneIndexStoreIdenticallyOnEveryLevel) {
    ScoreTables tables{};
    for (auto& table : tables)
        table[4] = MakeEntry("same", 77, 2, 12345);
    const ScoreFileBytes image = SerializeScoreFile(ScoreHeader{}, tables);
    const auto record = [&](int level) {
        const auto begin = image.begin() + 36 + (level * 10 + 4) * 52;
        return std::vector<std::uint8_t>(begin, begin + 52);
    };
    EXPECT_EQ(record(0), record(1));
    EXPECT_EQ(record(1), record(2));
}

TEST(ScoreFileParsing, RoundTripKeepsEveryByteIncludingAfterTheTerminator) {
    ScoreTables tables = SampleTables();
    std::memset(tables[1][3].name, 0xA5, kNameBytes);
    tables[1][3].name[2] = '\0';
    tables[2][9].name[39] = 'z';
    const ScoreFileBytes image = SerializeScoreFile(ScoreHeader{1, 4, {5, 6, 7}, 3}, tables);
    const ScoreTables back = ParseScoreTables(image);
    for (int level = 0; level < kLevelCount; ++level) {
        for (int index = 0; index < kTableRows; ++index)
            EXPECT_EQ(EntryToBytes(back[level][index]), EntryToBytes(tables[level][index]));
    }
    const ScoreHeader header = ParseScoreHeader(image);
    EXPECT_EQ(header.level, 1);
    EXPECT_EQ(header.shape, 4);
    EXPECT_EQ(header.carried, (CarriedValues{5, 6, 7}));
    EXPECT_EQ(header.optionFlags, 3);
}

TEST(ScoreFileParsing, AShortFileGivesEmptyRowsForWhatItLacks) {
    const ScoreFileBytes image = SerializeScoreFile(ScoreHeader{2, 3, {}, 7}, SampleTables());
    // Cut in the middle of Beginner's third record.
    const std::span<const std::uint8_t> cut(image.data(), 36 + 2 * 52 + 20);
    const ScoreTables tables = ParseScoreTables(cut);
    EXPECT_EQ(tables[0][1].score, SampleTables()[0][1].score);
    EXPECT_STREQ(tables[0][2].name, "player"); // its first 20 bytes are there
    EXPECT_EQ(tables[0][2].score, 0);
    EXPECT_EQ(tables[0][2].time, 0);
    EXPECT_EQ(EntryToBytes(tables[0][3]), EntryBytes{});
    EXPECT_EQ(EntryToBytes(tables[2][9]), EntryBytes{});
    EXPECT_EQ(ParseScoreHeader(cut).level, 2);
}

// The file layer never parses an empty file (it counts as absent); the parser stays total.
TEST(ScoreFileParsing, NoBytesGiveAZeroHeaderAndEmptyTables) {
    const std::span<const std::uint8_t> empty;
    EXPECT_EQ(ParseScoreHeader(empty).shape, 0);
    for (const auto& table : ParseScoreTables(empty)) {
        for (const auto& entry : table)
            EXPECT_EQ(EntryToBytes(entry), EntryBytes{});
    }
}

TEST(ScoreFileParsing, BytesBeyondTheFormatAreIgnored) {
    const ScoreFileBytes image = SerializeScoreFile(ScoreHeader{}, SampleTables());
    std::vector<std::uint8_t> longer(image.begin(), image.end());
    longer.resize(4000, 0xEE);
    const ScoreTables tables = ParseScoreTables(longer);
    EXPECT_EQ(EntryToBytes(tables[2][9]), EntryToBytes(SampleTables()[2][9]));
}

} // namespace
} // namespace cw
