// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/ini_document.h"
#include "records/score_entry.h"
#include "records/score_format.h"
#include "records/setting_codec.h"
#include "records/settings_file.h"
#include "tests/support/modal_script.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace cw::test {

// Every test gets its own home folder, so the per-user data and configuration folders (in
// Qt's test mode under $HOME/.qttest) start empty and tests can run side by side.
class IsolatedHome : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        savedHome_ = qgetenv("HOME");
        qputenv("HOME", home_.path().toUtf8());
    }
    void TearDown() override { qputenv("HOME", savedHome_); }

private:
    QTemporaryDir home_;
    QByteArray savedHome_;
};

// While it lives, no file of this process can grow past `bytes`: the disk is "full" there.
// The game ignores SIGXFSZ from its start (the e2e test hostile_files proves it); these tests
// do not run that start, so the limit ignores the signal itself.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return active_; }

private:
    rlimit saved_{};
    bool active_ = false;
};

// Root reads and writes every file whatever its permission bits, and CI runs as root: checks
// of those bits run in a child process as this ordinary user instead.
inline constexpr uid_t kUnprivilegedUser = 65534;
// The status of a child that could not give up root.
inline constexpr int kStayedPrivileged = 77;

// Hands `folder` and everything below it to kUnprivilegedUser when this process is root.
inline void HandToUnprivilegedUser(const QString& folder) {
    if (geteuid() != 0)
        return;
    const std::filesystem::path root = folder.toStdString();
    lchown(root.c_str(), kUnprivilegedUser, kUnprivilegedUser);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        lchown(entry.path().c_str(), kUnprivilegedUser, kUnprivilegedUser);
}

struct ChildOptions {
    unsigned seconds = 5;      // then the child is killed: something blocked it
    bool unprivileged = false; // root's child becomes kUnprivilegedUser first
};

// Runs `body` in a child process and returns its result, or -1 when the child was killed or
// crashed. A read that never ends must not take the test's memory with it: the child's data
// is bounded where no sanitizer needs its own vast mappings.
inline int RunInChild(const std::function<int()>& body, ChildOptions options = {}) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        alarm(options.seconds);
#ifndef __SANITIZE_ADDRESS__
        const rlimit data{rlim_t{1} << 30, rlim_t{1} << 30};
        setrlimit(RLIMIT_DATA, &data);
#endif
        if (options.unprivileged && geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(kUnprivilegedUser) != 0 ||
             setuid(kUnprivilegedUser) != 0))
            std::_Exit(kStayedPrivileged);
        const int result = body();
        std::fflush(nullptr);
        std::_Exit(result);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

inline ScoreEntry MakeEntry(const char* name, std::int32_t score, std::int32_t generation = 1,
                            std::uint32_t time = 1700000000) {
    ScoreEntry entry;
    std::strncpy(entry.name, name, kMaxNameBytes);
    entry.score = score;
    entry.generation = generation;
    entry.time = time;
    return entry;
}

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes the file's folder first.
inline void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// COBWL.INI afresh with these [Settings] values, hex-encoded as the game stores them.
inline void StoreSettings(std::initializer_list<std::pair<const char*, std::string_view>> values) {
    QByteArray text = "[Settings]\n";
    for (const auto& [key, value] : values)
        text += QByteArray(key) + '=' + QByteArray::fromStdString(EncodeSettingValue(value)) + '\n';
    WriteFileBytes(SettingsFilePath(), text);
}

// The decoded value of a [Settings] key in COBWL.INI as it is on disk; empty when absent.
inline std::string StoredSetting(const char* key) {
    const QByteArray file = FileBytes(SettingsFilePath());
    const IniDocument document(std::string_view(file.constData(), std::size_t(file.size())));
    return DecodeSettingValue(document.Value("Settings", key).value_or(""));
}

// The 1,596 bytes of a score file; the layout itself is checked against stored images.
inline QByteArray ScoreImage(const ScoreHeader& header, const ScoreTables& tables = {}) {
    const ScoreFileBytes image = SerializeScoreFile(header, tables);
    return QByteArray(reinterpret_cast<const char*>(image.data()), kScoreFileBytes);
}

} // namespace cw::test
