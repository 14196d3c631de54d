// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/setting_codec.h"
#include "records/settings_file.h"
#include "records_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <sys/inotify.h>

namespace cw {
namespace {

using test::FileBytes;
using test::WriteFileBytes;

using test::StoredSetting;
using test::StoreSettings;

class SettingsFileTest : public test::IsolatedHome {
protected:
    GameState game;
    RecordsState records;
};

// How many saves renamed a file into `folder` while `act` ran.
int SavesInto(const QString& folder, const std::function<void()>& act) {
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    inotify_add_watch(watch, QFile::encodeName(folder).constData(), IN_MOVED_TO);
    act();
    alignas(inotify_event) char buffer[4096];
    int saves = 0;
    for (ssize_t size = read(watch, buffer, sizeof buffer), at = 0; at < size; ++saves)
        at += static_cast<ssize_t>(sizeof(inotify_event) +
                                   reinterpret_cast<const inotify_event*>(buffer + at)->len);
    close(watch);
    return saves;
}

TEST_F(SettingsFileTest, WhatIsWrittenAtExitIsReadBackWhole) {
    game.level = Expert;
    game.options = {0, 1, 0};
    records.shape = 7;
    records.carried = {-3, 0, 44};
    // UTF-8 and Latin-1 folder names alike: the path is the bytes it names the program by.
    records.browserPath = "/opt/" + QByteArray(120, 'w') + "/n\xC3\xA9t/n\xE9t\xFFsurfer";
    ASSERT_EQ(WriteSettings(game, records), 1);
    EXPECT_EQ(StoredSetting("Options"), "2,7,-3,0,44");
    EXPECT_EQ(StoredSetting("MoreOptions"), "2,0,0,0");

    GameState readGame;
    RecordsState readRecords;
    ASSERT_EQ(ReadSettings(readGame, readRecords), 1);
    EXPECT_EQ(readGame.level, Expert);
    EXPECT_EQ(readGame.options.traceAllMoves, 0);
    EXPECT_EQ(readGame.options.showNextColors, 1);
    EXPECT_EQ(readGame.options.animatedFaces, 0);
    EXPECT_EQ(readRecords.shape, 7);
    EXPECT_EQ(readRecords.carried, records.carried);
    EXPECT_EQ(readRecords.browserPath, records.browserPath);
}

TEST_F(SettingsFileTest, WritingKeepsOtherKeysAndSections) {
    WriteFileBytes(SettingsFilePath(), "; mine\n[Settings]\nColour=blue\n\n[Window]\nx=5\n");
    WriteFileBytes(ProfileFilePath(), "[Desktop]\nWallpaper=none\n");
    WriteSettings(game, records);
    const QByteArray settings = FileBytes(SettingsFilePath());
    EXPECT_TRUE(settings.startsWith("; mine\n[Settings]\nColour=blue\nOptions="));
    EXPECT_TRUE(settings.endsWith("\n\n[Window]\nx=5\n"));
    EXPECT_EQ(FileBytes(ProfileFilePath()),
              "[Desktop]\nWallpaper=none\n[Cobblewell]\nVersion=v1.0a\n");
}

TEST_F(SettingsFileTest, AFailedWriteLeavesThePreviousFileWhole) {
    const QByteArray before = "[Settings]\nOptions=" + QByteArray(900, '3') + "\n";
    WriteFileBytes(SettingsFilePath(), before);
    {
        const test::FileSizeLimit diskFull(1000);
        ASSERT_TRUE(diskFull.active());
        records.browserPath = QByteArray(600, 'b');
        WriteSettings(game, records);
    }
    EXPECT_EQ(FileBytes(SettingsFilePath()), before);
    EXPECT_EQ(QDir(QFileInfo(SettingsFilePath()).absolutePath()).entryList(QDir::Files),
              (QStringList{"COBWL.INI", "WIN.INI"}));
}

// Three saves, each flushed to disk, and a crash between them leaves the keys at odds.
TEST_F(SettingsFileTest, ExitSavesCobwlIniOnceWithAllItsKeys) {
    WriteFileBytes(ProfileFilePath(), "[Cobblewell]\nVersion=v1.0a\n");
    records.browserPath = "ab";
    EXPECT_EQ(SavesInto(QFileInfo(SettingsFilePath()).absolutePath(),
                        [this] { WriteSettings(game, records); }),
              1);
    EXPECT_EQ(FileBytes(SettingsFilePath()), "[Settings]\nOptions=03C223C203C203C203\n"
                                             "MoreOptions=73C203C203C203\nBrowser=1626\n");
}

// A file past the size the game reads would lose every setting for good.
TEST_F(SettingsFileTest, NoSaveGrowsTheFilePastWhatIsRead) {
    const QByteArray before = "[Mine]\n" + QByteArray(1024 * 1024 - 100, ';') + "\n";
    WriteFileBytes(SettingsFilePath(), before);
    records.browserPath = QByteArray(100, 'b');
    EXPECT_EQ(WriteSettings(game, records), 0);
    EXPECT_EQ(FileBytes(SettingsFilePath()), before);
}

TEST_F(SettingsFileTest, AnEmptyBrowserPathKeepsTheStoredOne) {
    StoreSettings({{"Browser", "/usr/bin/surf"}});
    WriteSettings(game, records);
    EXPECT_EQ(StoredSetting("Browser"), "/usr/bin/surf");
}

TEST_F(SettingsFileTest, MissingKeysLeaveTheirValues) {
    WriteFileBytes(SettingsFilePath(), "[Settings]\n");
    game.level = Intermediate;
    records.shape = 4;
    records.browserPath = "keep";
    ReadSettings(game, records);
    EXPECT_EQ(game.level, Intermediate);
    EXPECT_EQ(records.shape, 4);
    EXPECT_EQ(records.browserPath, "keep");
    EXPECT_EQ(game.options.traceAllMoves, 1);
}

TEST_F(SettingsFileTest, OddValuesAreReadWithoutHarm) {
    const QByteArray options = QByteArray::fromStdString(EncodeSettingValue("9,0"));
    const QByteArray moreOptions = QByteArray::fromStdString(EncodeSettingValue("none"));
    WriteFileBytes(SettingsFilePath(), "[Settings]\nOptions=" + options +
                                           "\nMoreOptions=" + moreOptions +
                                           "\nBrowser=" + QByteArray(5000, 'Z') + "\n");
    game.options = {0, 1, 0};
    ReadSettings(game, records);
    EXPECT_EQ(game.level, Beginner); // 9 is no level
    EXPECT_EQ(records.shape, 2);     // 0 is no shape
    EXPECT_EQ(game.options.traceAllMoves, 0);
    EXPECT_EQ(game.options.showNextColors, 1);
    EXPECT_EQ(records.browserPath.size(), 2500);
    // Flag bits above the third are ignored.
    StoreSettings({{"MoreOptions", "-8,0,0,0"}});
    game.options = {1, 1, 1};
    ReadSettings(game, records);
    EXPECT_EQ(game.options.traceAllMoves, 0);
    EXPECT_EQ(game.options.showNextColors, 0);
    EXPECT_EQ(game.options.animatedFaces, 0);
}

TEST_F(SettingsFileTest, TheScoreHeaderCountsOnlyWithOptionsOrVersion) {
    EXPECT_FALSE(ScoreHeaderInForce());
    StoreSettings({{"Browser", "x"}});
    EXPECT_FALSE(ScoreHeaderInForce());
    WriteFileBytes(ProfileFilePath(), "[Cobblewell]\nVersion=v1.0a\n");
    EXPECT_TRUE(ScoreHeaderInForce());
    QFile::remove(ProfileFilePath());
    StoreSettings({{"Options", "1"}});
    EXPECT_TRUE(ScoreHeaderInForce());
}

} // namespace
} // namespace cw
