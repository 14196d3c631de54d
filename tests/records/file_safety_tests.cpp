// SPDX-License-Identifier: GPL-3.0-or-later
// The score and settings files on a hostile or unlucky file system: pipes, devices, huge and
// unreadable files, folders the player cannot write, a file size limit and the leftovers of
// interrupted saves.
#include "records/score_file.h"
#include "records/score_format.h"
#include "records/settings_file.h"
#include "records/user_folders.h"
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

using test::RunInChild;

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

    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    static QByteArray Image(const ScoreHeader& header, const ScoreTables& tables = {}) {
        const ScoreFileBytes image = SerializeScoreFile(header, tables);
        return QByteArray(reinterpret_cast<const char*>(image.data()), 1596);
    }
    static bool IsPipe(const QString& path) {
        struct stat status {};
        return lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
    }
    static struct stat Status(const QString& path) {
        struct stat status {};
        stat(QFile::encodeName(path).constData(), &status);
        return status;
    }
    static ino_t Inode(const QString& path) { return Status(path).st_ino; }
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
            Write(score, Image(ScoreHeader{}));
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
    Write(score, Image(ScoreHeader{Expert, 5, {}, 0}));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), settings));
    const QByteArray huge = "[Cobblewell]\nVersion=v1.0a\n" + QByteArray(1 << 21, ';') + '\n';
    Write(profile, huge);
    EXPECT_EQ(RunInChild(&PlayOnce), Beginner);
    EXPECT_EQ(QFileInfo(settings).symLinkTarget(), QStringLiteral("/dev/zero"));
    EXPECT_EQ(Bytes(profile), huge);
}

// The player can write these files but not read them: a rewrite could only start from an
// empty document and would lose their other sections. The write says it failed.
TEST_F(FileSafetyTest, UnreadableSettingsFilesAreKeptByteForByte) {
    const QByteArray mine = "[Window]\nx=5\n[Settings]\nColour=blue\n";
    for (const QString& path : {settings, profile}) {
        Write(path, mine);
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
        EXPECT_EQ(Bytes(path), mine) << path.toStdString();
    }
}

// A file the player may write in a folder they may not (a shared one): no temporary file can
// go beside it, so it is written where it is, and a write cut short puts the old bytes back;
// a file missing there is still not created.
TEST_F(FileSafetyTest, WritableFilesInAReadOnlyFolderAreSavedInPlace) {
    const QByteArray tail = "kept past the format";
    Write(score, Image(ScoreHeader{}) + tail);
    Write(settings, "; mine\n");
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
            WriteSettingValue("Settings", "Browser", std::string(800, 'b'));
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
    const ScoreFileBytes image = SerializeScoreFile(ScoreHeader{0, 2, {}, 7}, tables);
    EXPECT_EQ(Bytes(score), QByteArray(reinterpret_cast<const char*>(image.data()), 1596) + tail);
    EXPECT_EQ(Inode(score), scoreInode);
    EXPECT_TRUE(Bytes(settings).startsWith("; mine\n[Settings]\nOptions="));
    EXPECT_FALSE(Bytes(settings).contains("Browser"));
    EXPECT_EQ(Inode(settings), settingsInode);
    EXPECT_FALSE(QFileInfo::exists(profile));
    ExpectOnlyTheFilesThemselves();
}

// The first start writes the whole file or none: under a size limit below its 1,596 bytes no
// short file is left, and an empty one, which an older version left that way, counts as absent.
TEST_F(FileSafetyTest, TheScoreFileIsCreatedWholeOrNotAtAll) {
    WriteSettingValue("Settings", "Options", "2,5,0,0,0");
    GameState game;
    RecordsState records;
    {
        const test::FileSizeLimit diskFull(1000);
        ASSERT_TRUE(diskFull.active());
        PrepareScoreFile(game, records);
    }
    EXPECT_FALSE(QFileInfo::exists(score));
    EXPECT_EQ(game.level, Expert);

    Write(score, QByteArray());
    GameState again;
    PrepareScoreFile(again, records);
    EXPECT_EQ(again.level, Expert);
    EXPECT_EQ(Bytes(score), Image(ScoreHeader{Expert, 5, {}, 7}));
    ExpectOnlyTheFilesThemselves();
}

// Only what an interrupted save of the game's own leaves: the file's name, the game's mark and
// six characters, old enough that no save can still be writing it. The player's look-alikes
// stay, old (a backup made with cp -p keeps its time) or new.
TEST_F(FileSafetyTest, OnlyTheGamesOwnLeftoversAreRemoved) {
    const QString data = QFileInfo(score).absolutePath() + '/';
    const QString config = QFileInfo(settings).absolutePath() + '/';
    const QStringList leftovers{data + "cobblewell.top.cobblewell-save-AbC12f",
                                config + "COBWL.INI.cobblewell-save-QwErTy",
                                config + "WIN.INI.cobblewell-save-Zx0vBn"};
    const QStringList players{config + "COBWL.INI.backup",
                              config + "WIN.INI.before",
                              data + "cobblewell.top.broken",
                              data + "cobblewell.top.oldies",
                              data + "cobblewell.top.AbCdEf",
                              config + "COBWL.INI.QwErTy",
                              data + "notes.txt",
                              data + "other.top.cobblewell-save-AbCdEf",
                              data + "cobblewell.top.cobblewell-save-AbCdEfG"};
    const QString fresh = data + "cobblewell.top.cobblewell-save-NowNow";
    const QStringList kept = players + QStringList{fresh};
    for (const bool old : {true, false}) {
        for (const QString& path : old ? leftovers + kept : kept) {
            Write(path, "x");
            const QDateTime time = QDateTime::currentDateTime().addSecs(old ? -3600 : 0);
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.setFileTime(path == fresh ? QDateTime::currentDateTime() : time,
                                         QFileDevice::FileModificationTime));
        }
        PlayOnce();
        PlayOnce();
        for (const QString& path : leftovers)
            EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
        for (const QString& path : kept)
            EXPECT_EQ(Bytes(path), "x") << path.toStdString();
    }
}

// The player's dotfile links: the file linked to takes the save, the link stays a link, and
// the file keeps its mode.
TEST_F(FileSafetyTest, ThePlayersOwnLinksAreSavedThrough) {
    const QString dotfiles = QDir::homePath() + "/dotfiles/";
    ASSERT_TRUE(QDir().mkpath(dotfiles));
    Write(dotfiles + "COBWL.INI", "; mine\n");
    Write(dotfiles + "cobblewell.top", Image(ScoreHeader{}));
    ASSERT_EQ(chmod(QFile::encodeName(dotfiles + "COBWL.INI").constData(), 0640), 0);
    // Relative to the link's own folder, as ln -s ../../../dotfiles/COBWL.INI makes it.
    ASSERT_EQ(symlink("../../../dotfiles/COBWL.INI", QFile::encodeName(settings).constData()), 0);
    ASSERT_TRUE(QFile::link(dotfiles + "cobblewell.top", score));
    PlayOnce();
    EXPECT_EQ(QFileInfo(settings).symLinkTarget(), dotfiles + "COBWL.INI");
    EXPECT_EQ(QFileInfo(score).symLinkTarget(), dotfiles + "cobblewell.top");
    EXPECT_TRUE(Bytes(dotfiles + "COBWL.INI").startsWith("; mine\n[Settings]\nOptions="));
    EXPECT_EQ(Status(dotfiles + "COBWL.INI").st_mode & 07777, 0640u);
    ScoreTables tables{};
    tables[0][0] = test::MakeEntry("Ann", 40);
    EXPECT_EQ(Bytes(dotfiles + "cobblewell.top"), Image(ScoreHeader{0, 2, {}, 7}, tables));
}

// Run as root on another user's folders (sudo -E): that user's links lead to files of root's
// or of the user's own, and root's game writes neither, nor creates files in those folders.
TEST_F(FileSafetyTest, RootsGameWritesNoFileItDoesNotOwn) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root";
    const QString roots = QDir::homePath() + "/roots-own";
    const QString users = QDir::homePath() + "/users-own";
    Write(roots, "root's\n");
    Write(users, "the user's\n");
    Write(profile, "[Other]\n");
    ASSERT_TRUE(QFile::link(roots, score));
    ASSERT_TRUE(QFile::link(users, settings));
    test::HandToUnprivilegedUser(QDir::homePath());
    ASSERT_EQ(lchown(QFile::encodeName(roots).constData(), 0, 0), 0);
    PlayOnce();
    EXPECT_EQ(Bytes(roots), "root's\n");
    EXPECT_EQ(Bytes(users), "the user's\n");
    EXPECT_EQ(Bytes(profile), "[Other]\n");
    for (const QString& path : {users, profile})
        EXPECT_EQ(QFileInfo(path).ownerId(), test::kUnprivilegedUser) << path.toStdString();
    EXPECT_EQ(QFileInfo(score).symLinkTarget(), roots);
    QFile::remove(score);
    PlayOnce();
    EXPECT_TRUE(QFileInfo(score).dir().isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System |
                                               QDir::NoDotAndDotDot));
    EXPECT_EQ(QFileInfo(settings).dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                  QDir::NoDotAndDotDot),
              (QStringList{"COBWL.INI", "WIN.INI"}));
}

// The XDG rules: a relative folder is to be ignored. Qt's test mode has folders of its own.
TEST_F(FileSafetyTest, RelativeXdgFoldersAreIgnored) {
    QStandardPaths::setTestModeEnabled(false);
    const QByteArray home = QFile::encodeName(QDir::homePath());
    QStringList defaults;
    QStringList relative;
    {
        const test::ScopedVariable config("XDG_CONFIG_HOME", home + "/.config");
        const test::ScopedVariable data("XDG_DATA_HOME", home + "/.local/share");
        defaults = {SettingsFilePath(), DefaultScoreFilePath()};
    }
    {
        const test::ScopedVariable config("XDG_CONFIG_HOME", "config");
        const test::ScopedVariable data("XDG_DATA_HOME", "data");
        relative = {SettingsFilePath(), DefaultScoreFilePath()};
        EXPECT_EQ(qgetenv("XDG_CONFIG_HOME"), "config"); // the environment stays as it was
    }
    QStandardPaths::setTestModeEnabled(true);
    EXPECT_EQ(relative, defaults);
    EXPECT_TRUE(defaults[0].startsWith(QDir::homePath() + "/.config/"));
}

// Qt reads a Latin-1 name with replacement characters, which name another folder.
TEST_F(FileSafetyTest, AHomeWhoseNameIsNotUtf8IsUsedByItsBytes) {
    const std::filesystem::path parent = QFile::encodeName(QDir::homePath()).toStdString();
    const std::filesystem::path home = parent / "Jos\xE9";
    ASSERT_TRUE(std::filesystem::create_directory(home));
    const test::ScopedVariable latin1Home("HOME", QByteArray::fromStdString(home));
    EXPECT_EQ(RunInChild(&PlayOnce), Beginner);
    QStringList written;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(home)) {
        if (entry.is_regular_file())
            written << QString::fromStdString(entry.path().filename());
    }
    written.sort();
    EXPECT_EQ(written, (QStringList{"COBWL.INI", "WIN.INI", "cobblewell.top"}));
    EXPECT_FALSE(std::filesystem::exists(parent / "Jos\uFFFD"));
    EXPECT_TRUE(ShownPath(DefaultScoreFilePath()).startsWith(QDir::homePath() + "/.qttest/"));
    std::filesystem::remove_all(home); // Qt's removal cannot name it
}

} // namespace
} // namespace cw
