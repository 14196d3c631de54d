// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/score_format.h"
#include "records_test_support.h"

#include <QFile>

#include <gtest/gtest.h>

#include <vector>

namespace cw {
namespace {

using test::MakeEntry;

ScoreTables SampleTables() {
    ScoreTables tables{};
    for (int level = 0; level < kLevelCount; ++level) {
        for (int index = 0; index < kTableRows; ++index)
            tables[level][index] =
                MakeEntry("player", 1000 - 10 * index - level, index, 1000 + index);
    }
    return tables;
}

// The key stream of index i starts at s * K2 and steps by s = i + K1 (K1 0x3D, K2 0xB5),
// all mod 256, worked out by hand: index 0 runs 0x21 0x5E 0x9B 0xD8 .. 0x48 (byte 51),
// index 9 runs 0x7E 0xC4 0x0A 0x50; each is XORed into 0x0F bytes.
TEST(ScrambleEntry, XorsTheKeyStreamOfItsIndexAndNothingForALengthBelowOne) {
    const auto scrambled = [](int length, int index) {
        EntryBytes bytes{};
        bytes.fill(0x0F);
        ScrambleEntry(bytes.data(), length, index);
        return bytes;
    };
    const EntryBytes first = scrambled(52, 0);
    EXPECT_EQ((std::array{first[0], first[1], first[2], first[3], first[51]}),
              (std::array<std::uint8_t, 5>{0x2E, 0x51, 0x94, 0xD7, 0x47}));
    const EntryBytes last = scrambled(52, 9);
    EXPECT_EQ((std::array{last[0], last[1], last[2], last[3]}),
              (std::array<std::uint8_t, 4>{0x71, 0xCB, 0x05, 0x5F}));
    EntryBytes untouched{};
    untouched.fill(0x0F);
    EXPECT_EQ(scrambled(0, 3), untouched);
    EXPECT_EQ(scrambled(-5, 3), untouched);
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
    EXPECT_EQ(image[12], 0xFE); // -2
    EXPECT_EQ(image[15], 0xFF);
    EXPECT_EQ(image[16], 99);
    EXPECT_EQ(image[20], 5);
    for (std::size_t offset = 24; offset < 36; ++offset)
        EXPECT_EQ(image[offset], 0) << "reserved byte " << offset;
}

// Seed files of the score-file fuzzer, written by a separate script from the format's rules;
// a change of layout or scrambling constants makes every existing score file unreadable. The
// full tables hold a different record at every level and index, so each record's scrambling
// by its index alone is checked byte for byte.
QByteArray SeedFile(const char* name) {
    QFile file(QStringLiteral(SCORE_FILE_SEEDS "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray AsByteArray(const ScoreFileBytes& image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()), 1596);
}

TEST(ScoreFileLayout, NewAndFullFilesMatchTheStoredImagesByteForByte) {
    EXPECT_EQ(AsByteArray(SerializeScoreFile(ScoreHeader{0, 2, {}, 7}, ScoreTables{})),
              SeedFile("new_file"));
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
