// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A private folder that stands in for the player's data and configuration folders, emptied
// before every input. In memory where possible: the game's saves sync to disk.

#include <QCoreApplication>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>

namespace cw::fuzz {

class ScratchFolder {
public:
    ScratchFolder() {
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                               ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "cobblewell-fuzz-XXXXXX").string();
        root_ = mkdtemp(pattern.data());
        setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
        QCoreApplication::setApplicationName(QStringLiteral("Cobblewell"));
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    // Empties the folder and returns the game's data and configuration folders, created.
    void Reset() {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(root_))
            std::filesystem::remove_all(entry.path(), ignored);
        std::filesystem::create_directories(data());
        std::filesystem::create_directories(config());
    }
    std::filesystem::path data() const { return root_ / "data" / "Cobblewell"; }
    std::filesystem::path config() const { return root_ / "config" / "Cobblewell"; }
    const std::filesystem::path& root() const { return root_; }

private:
    std::filesystem::path root_;
};

// What stands at `path`, and in a folder everything below it: a save that replaced, wrote or
// left anything there changes the description.
inline std::string Describe(const std::filesystem::path& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0)
        return "absent";
    std::string text = std::to_string(status.st_mode) + ' ' + std::to_string(status.st_ino);
    // A folder's own times change with any file made and removed in it; only its entries count.
    if (!S_ISDIR(status.st_mode))
        text += ' ' + std::to_string(status.st_size) + ' ' + std::to_string(status.st_mtim.tv_sec) +
                '.' + std::to_string(status.st_mtim.tv_nsec);
    std::error_code ignored;
    if (S_ISLNK(status.st_mode))
        text += " -> " + std::filesystem::read_symlink(path, ignored).string();
    if (S_ISDIR(status.st_mode)) {
        std::set<std::string> entries;
        for (const auto& entry : std::filesystem::directory_iterator(path, ignored))
            entries.insert(entry.path().filename().string() + ": " + Describe(entry.path()));
        for (const std::string& entry : entries)
            text += "\n  " + entry;
    }
    return text;
}

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

} // namespace cw::fuzz
