// SPDX-License-Identifier: GPL-3.0-or-later
// The score and settings files on a hostile or unlucky file system: pipes, devices, huge and
// unreadable files, folders the player cannot write, a file size limit and the leftovers of
// interrupted saves.
#include "records/score_file.h"
#include "records/settings_file.h"
#include "records_test_support.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace cw {
namespace {

using test::FileBytes;
using test::RunInChild;
using test::ScoreImage;
using test::WriteFileBytes;

class FileSafetyTest : public test::IsolatedHome {
protected:
    void SetUp() override {
        IsolatedHome::SetUp();
        score = DefaultScoreFilePath();
        settings = SettingsFilePath();
        profile = ProfileFilePath();
        for (const QString& path : {score, settings})
            QDir().mkpath(QFileInfo(path).absolutePath());
    }

    static bool IsPipe(const QString& path) {
        struct stat status {};
        return lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
    }
    static ino_t Inode(const QString& path) {
        struct stat status {};
        return stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
    }
    // A start, a new entry saved and an Exit, as the game runs them; the level it starts on.
    static int PlayOnce() {
        GameState game;
        RecordsState records;
        PrepareScoreFile(game, records);
        records.tables[0][0] = test::MakeEntry("Ann", 40);
        SaveScoreFile(game, records);
        WriteSettings(game, records);
        return game.level;
    }
    void ExpectOnlyTheFilesThemselves() const {
        EXPECT_EQ(QDir(QFileInfo(score).absolutePath()).entryList(QDir::Files | QDir::System),
                  QStringList{"cobblewell.top"});
    }

    QString score, settings, profile;
};

// A pipe with no writer blocks a plain open for reading for ever.
TEST_F(FileSafetyTest, PipesInPlaceOfTheFilesNeverHoldTheGame) {
    for (const bool scoreIsAPipe : {false, true}) {
        for (const QString& path : {score, settings, profile})
            QFile::remove(path);
        if (scoreIsAPipe)
            ASSERT_EQ(mkfifo(QFile::encodeName(score).constData(), 0600), 0);
        else
            WriteFileBytes(score, ScoreImage(ScoreHeader{}));
        for (const QString& path : {settings, profile})
            ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        EXPECT_EQ(RunInChild(&PlayOnce), Beginner) << "score file a pipe: " << scoreIsAPipe;
        for (const QString& path : {settings, profile})
            EXPECT_TRUE(IsPipe(path)) << path.toStdString();
        EXPECT_EQ(IsPipe(score), scoreIsAPipe);
    }
}

// A link to an endless device, or a file far larger than any the game writes, is neither read
// to its end nor rewritten: here the settings would have put the score header in force.
TEST_F(FileSafetyTest, ReadsAreBoundedAndRefusedFilesStayAsTheyAre) {
    WriteFileBytes(score, ScoreImage(ScoreHeader{Expert, 5, {}, 0}));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), settings));
    const QByteArray huge = "[Cobblewell]\nVersion=v1.0a\n" + QByteArray(1 << 21, ';') + '\n';
    WriteFileBytes(profile, huge);
    EXPECT_EQ(RunInChild(&PlayOnce), Beginner);
    EXPECT_EQ(QFileInfo(settings).symLinkTarget(), QStringLiteral("/dev/zero"));
    EXPECT_EQ(FileBytes(profile), huge);
}

// The player can write these files but not read them: a rewrite could only start from an
// empty document and would lose their other sections. The write says it failed.
TEST_F(FileSafetyTest, UnreadableSettingsFilesAreKeptByteForByte) {
    const QByteArray mine = "[Window]\nx=5\n[Settings]\nColour=blue\n";
    for (const QString& path : {settings, profile}) {
        WriteFileBytes(path, mine);
        QFile::setPermissions(path, QFileDevice::WriteOwner);
    }
    test::HandToUnprivilegedUser(QDir::homePath());
    const int result = RunInChild([] { return WriteSettings(GameState{}, RecordsState{}); },
                                  {.unprivileged = true});
    if (result == test::kStayedPrivileged)
        GTEST_SKIP() << "root could not become an ordinary user";
    EXPECT_EQ(result, 0);
    for (const QString& path : {settings, profile}) {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        EXPECT_EQ(FileBytes(path), mine) << path.toStdString();
    }
}

// A file the player may write in a folder they may not (a shared one): no temporary file can
// go beside it, so it is written where it is, and a write cut short puts the old bytes back;
// a file missing there is still not created.
TEST_F(FileSafetyTest, WritableFilesInAReadOnlyFolderAreSavedInPlace) {
    const QByteArray tail = "kept past the format";
    WriteFileBytes(score, ScoreImage(ScoreHeader{}) + tail);
    WriteFileBytes(settings, "; mine\n");
    const ino_t scoreInode = Inode(score);
    const ino_t settingsInode = Inode(settings);
    test::HandToUnprivilegedUser(QDir::homePath());
    for (const QString& path : {score, settings})
        QFile::setPermissions(QFileInfo(path).absolutePath(),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const int result = RunInChild(
        [this] {
            RecordsState records;
            records.scoreFilePath = score;
            records.tables[1][0] = test::MakeEntry("Bea", 70);
            const int saved = SaveScoreFile(GameState{}, records);
            WriteSettings(GameState{}, records);
            const test::FileSizeLimit diskFull(1000);
            records.browserPath = QByteArray(800, 'b');
            WriteSettings(GameState{}, records);
            return saved;
        },
        {.unprivileged = true});
    for (const QString& path : {score, settings})
        QFile::setPermissions(QFileInfo(path).absolutePath(), QFileDevice::ReadOwner |
                                                                  QFileDevice::WriteOwner |
                                                                  QFileDevice::ExeOwner);
    if (result == test::kStayedPrivileged)
        GTEST_SKIP() << "root could not become an ordinary user";
    EXPECT_EQ(result, 1);
    ScoreTables tables{};
    tables[1][0] = test::MakeEntry("Bea", 70);
    EXPECT_EQ(FileBytes(score), ScoreImage(ScoreHeader{0, 2, {}, 7}, tables) + tail);
    EXPECT_EQ(Inode(score), scoreInode);
    EXPECT_TRUE(FileBytes(settings).startsWith("; mine\n[Settings]\nOptions="));
    EXPECT_FALSE(FileBytes(settings).contains("Browser"));
    EXPECT_EQ(Inode(settings), settingsInode);
    EXPECT_FALSE(QFileInfo::exists(profile));
    ExpectOnlyTheFilesThemselves();
}

// The first start writes the whole file or none: under a size limit below its 1,596 bytes no
// short file is left, the next save creates it whole, and an empty one, which an older version
// left that way, counts as absent.
TEST_F(FileSafetyTest, TheScoreFileIsCreatedWholeOrNotAtAll) {
    test::StoreSettings({{"Options", "2,5,0,0,0"}});
    GameState game;
    RecordsState records;
    {
        const test::FileSizeLimit diskFull(1000);
        ASSERT_TRUE(diskFull.active());
        PrepareScoreFile(game, records);
    }
    EXPECT_FALSE(QFileInfo::exists(score));
    EXPECT_EQ(game.level, Expert);
    EXPECT_EQ(SaveScoreFile(game, records), 1); // a later entry creates it whole
    EXPECT_EQ(FileBytes(score), ScoreImage(ScoreHeader{Expert, 5, {}, 7}));

    WriteFileBytes(score, QByteArray());
    GameState again;
    PrepareScoreFile(again, records);
    EXPECT_EQ(again.level, Expert);
    EXPECT_EQ(FileBytes(score), ScoreImage(ScoreHeader{Expert, 5, {}, 7}));
    ExpectOnlyTheFilesThemselves();
}

// Only an interrupted save's leftover carries the game's mark; the player's look-alikes stay,
// old (as cp -p leaves a backup) or new.
TEST_F(FileSafetyTest, OnlyTheGamesOwnLeftoversAreRemoved) {
    const QString data = QFileInfo(score).absolutePath() + '/';
    const QString config = QFileInfo(settings).absolutePath() + '/';
    const QString leftover = data + "cobblewell.top.cobblewell-save-AbC12f";
    QStringList kept{config + "COBWL.INI.backup", config + "WIN.INI.before",
                     data + "cobblewell.top.broken", data + "cobblewell.top.cobblewell-save-X"};
    for (const QString& path : kept + QStringList{leftover}) {
        WriteFileBytes(path, "x");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                         QFileDevice::FileModificationTime);
    }
    WriteFileBytes(kept.emplace_back(data + "cobblewell.top.oldies"), "x"); // a new one
    PlayOnce();
    EXPECT_FALSE(QFileInfo::exists(leftover));
    for (const QString& path : kept)
        EXPECT_EQ(FileBytes(path), "x") << path.toStdString();
}

// The player's own (here relative) dotfile link: its file takes the save and keeps its mode.
TEST_F(FileSafetyTest, ThePlayersOwnLinksAreSavedThrough) {
    const QString dotfiles = QDir::homePath() + "/dotfiles/";
    ASSERT_TRUE(QDir().mkpath(dotfiles));
    WriteFileBytes(dotfiles + "COBWL.INI", "; mine\n");
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(dotfiles + "COBWL.INI", mode));
    ASSERT_EQ(symlink("../../../dotfiles/COBWL.INI", QFile::encodeName(settings).constData()), 0);
    PlayOnce();
    EXPECT_EQ(QFileInfo(settings).symLinkTarget(), dotfiles + "COBWL.INI");
    EXPECT_TRUE(FileBytes(dotfiles + "COBWL.INI").startsWith("; mine\n[Settings]\nOptions="));
    EXPECT_EQ(QFileInfo(dotfiles + "COBWL.INI").permissions() & 0x7077, mode); // not the User bits
}

// Root's game on another user's folders (sudo -E) follows no link and writes no file there.
TEST_F(FileSafetyTest, RootsGameWritesNoFileItDoesNotOwn) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root";
    const QString roots = QDir::homePath() + "/roots-own";
    WriteFileBytes(roots, "root's\n");
    WriteFileBytes(profile, "[Other]\n");
    ASSERT_TRUE(QFile::link(roots, score));
    ASSERT_TRUE(QFile::link(profile, settings));
    test::HandToUnprivilegedUser(QDir::homePath());
    ASSERT_EQ(chown(QFile::encodeName(roots).constData(), 0, 0), 0);
    PlayOnce();
    EXPECT_EQ(FileBytes(roots), "root's\n");
    EXPECT_EQ(FileBytes(profile), "[Other]\n");
    EXPECT_EQ(QFileInfo(profile).ownerId(), test::kUnprivilegedUser);
}

// A relative XDG folder is to be ignored; Qt takes it from the current folder, and reads a
// Latin-1 HOME with replacement characters, which name another folder.
TEST_F(FileSafetyTest, UserFoldersFollowTheXdgRulesAndTheBytesOfHome) {
    QStandardPaths::setTestModeEnabled(false); // it has folders of its own
    qunsetenv("XDG_CONFIG_HOME");
    const QString byDefault = SettingsFilePath();
    qputenv("XDG_CONFIG_HOME", "config");
    EXPECT_EQ(SettingsFilePath(), byDefault);
    QStandardPaths::setTestModeEnabled(true);
    const std::filesystem::path home = QFile::encodeName(QDir::homePath()).toStdString() + "/J\xE9";
    ASSERT_TRUE(std::filesystem::create_directory(home));
    qputenv("HOME", home.c_str());
    EXPECT_EQ(RunInChild(&PlayOnce), Beginner);
    const std::string app = QFileInfo(score).dir().dirName().toStdString();
    EXPECT_EQ(std::filesystem::file_size(home / ".qttest/share" / app / "cobblewell.top"), 1596u);
    EXPECT_FALSE(std::filesystem::exists(home.parent_path() / "J\uFFFD"));
    std::filesystem::remove_all(home); // Qt's removal cannot name it
}

} // namespace
} // namespace cw
