// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/score_file.h"
#include "records/settings_file.h"
#include "records_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace cw {
namespace {

using test::MakeEntry;
using test::ScoreImage;

class ScoreFileTest : public test::IsolatedHome {
protected:
    void SetUp() override {
        IsolatedHome::SetUp();
        records.scoreFilePath = DefaultScoreFilePath();
        QDir().mkpath(QFileInfo(records.scoreFilePath).absolutePath());
    }

    QByteArray Stored() const { return test::FileBytes(records.scoreFilePath); }
    void Store(const QByteArray& bytes) const {
        test::WriteFileBytes(records.scoreFilePath, bytes);
    }
    static void MarkSettingsPresent() { test::StoreSettings({{"Options", "0,2,0,0,0"}}); }

    GameState game;
    RecordsState records;
};

TEST_F(ScoreFileTest, StartUpWithoutAFileCreatesOneFromTheSettings) {
    QFile::remove(records.scoreFilePath);
    test::StoreSettings({{"Options", "1,5,7,8,9"}, {"MoreOptions", "5,0,0,0"}});
    PrepareScoreFile(game, records);
    const QByteArray bytes = Stored();
    ASSERT_EQ(bytes.size(), 1596);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    const ScoreHeader header = ParseScoreHeader({data, 1596});
    EXPECT_EQ(header.level, 1);
    EXPECT_EQ(header.shape, 5);
    EXPECT_EQ(header.carried, (CarriedValues{7, 8, 9}));
    EXPECT_EQ(header.optionFlags, 5);
    EXPECT_EQ(bytes, ScoreImage(header));
    EXPECT_EQ(game.best, (std::array<std::int32_t, 3>{0, 0, 0}));
}

TEST_F(ScoreFileTest, WithoutOptionsOrVersionTheHeaderIsIgnoredButTablesAreRead) {
    ScoreTables tables{};
    tables[1][0] = MakeEntry("Ann", 300);
    Store(ScoreImage(ScoreHeader{2, 6, {1, 2, 3}, 0}, tables));
    ASSERT_EQ(LoadScoreFile(game, records), 1);
    EXPECT_EQ(game.level, Beginner);
    EXPECT_EQ(records.shape, 2);
    EXPECT_EQ(game.options.traceAllMoves, 1);
    EXPECT_EQ(game.options.showNextColors, 1);
    EXPECT_EQ(game.options.animatedFaces, 1);
    EXPECT_STREQ(records.tables[1][0].name, "Ann");
    EXPECT_EQ(game.best[1], 300);
}

TEST_F(ScoreFileTest, AnOptionsValueOrAVersionEntryPutsTheHeaderInForce) {
    Store(ScoreImage(ScoreHeader{2, 6, {1, 2, 3}, 0x7FFFFFFA}));
    MarkSettingsPresent();
    ASSERT_EQ(LoadScoreFile(game, records), 1);
    EXPECT_EQ(game.level, Expert);
    EXPECT_EQ(records.shape, 6);
    EXPECT_EQ(records.carried, (CarriedValues{1, 2, 3}));
    EXPECT_EQ(game.options.traceAllMoves, 0);
    EXPECT_EQ(game.options.showNextColors, 1);
    EXPECT_EQ(game.options.animatedFaces, 0);

    QFile::remove(SettingsFilePath());
    WriteSettings(GameState{}, RecordsState{}); // also writes the "Version" entry
    QFile::remove(SettingsFilePath());
    GameState other;
    RecordsState otherRecords = records;
    ASSERT_EQ(LoadScoreFile(other, otherRecords), 1);
    EXPECT_EQ(other.level, Expert);
}

TEST_F(ScoreFileTest, OutOfRangeHeaderValuesFallBackToDefaults) {
    Store(ScoreImage(ScoreHeader{3, 9, {}, 0}));
    MarkSettingsPresent();
    ASSERT_EQ(LoadScoreFile(game, records), 1);
    EXPECT_EQ(game.level, Beginner);
    EXPECT_EQ(records.shape, 2);
    Store(ScoreImage(ScoreHeader{-1, 0, {}, 0}));
    ASSERT_EQ(LoadScoreFile(game, records), 1);
    EXPECT_EQ(game.level, Beginner);
    EXPECT_EQ(records.shape, 2);
}

TEST_F(ScoreFileTest, BestScoresAreTheTopRowsOfTheTables) {
    ScoreTables tables{};
    tables[0][0] = MakeEntry("a", 40);
    tables[0][1] = MakeEntry("b", 30);
    tables[2][0] = MakeEntry("c", 900);
    Store(ScoreImage(ScoreHeader{}, tables));
    game.best = {5, 5, 5};
    ASSERT_EQ(LoadScoreFile(game, records), 1);
    EXPECT_EQ(game.best, (std::array<std::int32_t, 3>{40, 0, 900}));
}

TEST_F(ScoreFileTest, SaveAndLoadGiveBackEveryEntryByteForByte) {
    Store(QByteArray());
    for (int level = 0; level < 3; ++level) {
        for (int i = 0; i < 10; ++i) {
            records.tables[level][i] = MakeEntry("x", 1000 - i, i, 100 + level);
            records.tables[level][i].name[30 + level] = static_cast<char>(0x80 + i);
        }
    }
    ASSERT_EQ(SaveScoreFile(game, records), 1);
    EXPECT_EQ(Stored().size(), 1596);
    RecordsState loaded;
    loaded.scoreFilePath = records.scoreFilePath;
    ASSERT_EQ(LoadScoreFile(game, loaded), 1);
    for (int level = 0; level < 3; ++level) {
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(EntryToBytes(loaded.tables[level][i]),
                      EntryToBytes(records.tables[level][i]));
    }
}

TEST_F(ScoreFileTest, SavingKeepsTheBytesOfALongerFileBeyondTheFormat) {
    const QByteArray tail("someone else's bytes");
    Store(QByteArray(1596, '\x11') + tail);
    records.tables[0][0] = MakeEntry("Ann", 10);
    ASSERT_EQ(SaveScoreFile(game, records), 1);
    const QByteArray bytes = Stored();
    EXPECT_EQ(bytes.size(), 1596 + tail.size());
    EXPECT_EQ(bytes.mid(1596), tail);
    EXPECT_EQ(bytes.left(1596), ScoreImage(ScoreHeader{0, 2, {}, 7}, records.tables));
}

TEST_F(ScoreFileTest, AFailedWriteLeavesThePreviousFileWhole) {
    const QByteArray before = ScoreImage(ScoreHeader{}) + QByteArray(600, 'T');
    Store(before);
    records.tables[0][0] = MakeEntry("new", 99);
    int result = -1;
    {
        const test::FileSizeLimit diskFull(1000);
        ASSERT_TRUE(diskFull.active());
        result = SaveScoreFile(game, records);
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Stored(), before);
    const QStringList leftovers =
        QDir(QFileInfo(records.scoreFilePath).absolutePath()).entryList(QDir::Files);
    EXPECT_EQ(leftovers, QStringList{"cobblewell.top"});
}

TEST_F(ScoreFileTest, AnUnreadableScorePathIsNeitherEmptiedNorReplaced) {
    QFile::remove(records.scoreFilePath);
    ASSERT_TRUE(QDir().mkpath(records.scoreFilePath)); // a folder where the file should be
    PrepareScoreFile(game, records);
    EXPECT_TRUE(QFileInfo(records.scoreFilePath).isDir());
    EXPECT_EQ(SaveScoreFile(game, records), 0);
}

TEST_F(ScoreFileTest, DamagedFilesLoadWhatCanBeRead) {
    MarkSettingsPresent();
    QByteArray noise(1596 + 77, '\0');
    QRandomGenerator random(42);
    for (auto& byte : noise)
        byte = static_cast<char>(random.bounded(256));
    for (const QByteArray& bytes : {QByteArray(10, '\xFF'), noise}) {
        Store(bytes);
        GameState loadedGame;
        RecordsState loaded;
        loaded.scoreFilePath = records.scoreFilePath;
        ASSERT_EQ(LoadScoreFile(loadedGame, loaded), 1);
        EXPECT_GE(loadedGame.level, 0);
        EXPECT_LE(loadedGame.level, 2);
        EXPECT_GE(loaded.shape, 1);
        EXPECT_LE(loaded.shape, 8);
        EXPECT_EQ(loadedGame.best[2], loaded.tables[2][0].score);
    }
    // An empty file is one whose creation an older version left unfinished: no file at all.
    Store(QByteArray());
    GameState untouched;
    EXPECT_EQ(LoadScoreFile(untouched, records), 0);
}

} // namespace
} // namespace cw
