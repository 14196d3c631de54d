// SPDX-License-Identifier: GPL-3.0-or-later
// The score file's load and save path end to end on a scratch folder. Whatever bytes the file
// holds, a load reads them and a save then a load gives back what was saved, keeping the bytes
// past the format; a file the load cannot read (a folder, a link to one or to nothing, a file
// without read permission) is never changed by a later save.
//   byte 0: bits 0-1 what stands at the path (file, file, folder, link), bit 2 the settings
//           vouch for the header, bit 3 the link leads nowhere, bit 7 the file is unreadable
//   byte 1: what the game changes before it saves; the rest: the file's bytes
#include "records/option_values.h"
#include "records/score_file.h"
#include "records/score_format.h"
#include "records/score_ranking.h"
#include "records/settings_file.h"
#include "tests/fuzz/scratch_folder.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

bool SameTables(const cw::ScoreTables& a, const cw::ScoreTables& b) {
    for (int level = 0; level < cw::kLevelCount; ++level)
        for (int row = 0; row < cw::kTableRows; ++row)
            if (cw::EntryToBytes(a[level][row]) != cw::EntryToBytes(b[level][row]))
                return false;
    return true;
}

std::span<const std::uint8_t> AsBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// What a game changes before it saves: level, shape, options, carried values and a new entry.
void ChangeLikeAGame(std::uint8_t change, cw::GameState& game, cw::RecordsState& records) {
    game.level = change % 3;
    records.shape = 1 + (change >> 2) % cw::kShapeCount;
    cw::UnpackOptionFlags(change >> 5, game.options);
    records.carried = {change, -change, change * 65537};
    cw::ScoreEntry entry{};
    std::memcpy(entry.name, "fuzz", 4);
    entry.score = change * 15 + 5;
    entry.time = 1;
    cw::LevelTable& table = records.tables[game.level];
    cw::InsertScoreEntry(table, cw::FindScorePosition(table, entry.score), entry);
}

void SaveThenLoad(std::string_view bytes, std::uint8_t change, bool headerInForce,
                  const std::filesystem::path& path, cw::RecordsState& records) {
    cw::fuzz::WriteFile(path, bytes);
    cw::GameState game;
    Check(cw::LoadScoreFile(game, records) == 1);
    Check(SameTables(records.tables, cw::ParseScoreTables(AsBytes(bytes))));

    ChangeLikeAGame(change, game, records);
    Check(cw::SaveScoreFile(game, records) == 1);
    const std::string saved = cw::fuzz::ReadFile(path);
    Check(saved.size() == std::max(bytes.size(), cw::kScoreFileBytes));
    if (bytes.size() > cw::kScoreFileBytes)
        Check(std::string_view(saved).substr(cw::kScoreFileBytes) ==
              bytes.substr(cw::kScoreFileBytes));
    // No temporary file of the save is left beside it.
    Check(std::distance(std::filesystem::directory_iterator(path.parent_path()),
                        std::filesystem::directory_iterator()) == 1);

    cw::GameState again;
    cw::RecordsState againRecords;
    againRecords.scoreFilePath = records.scoreFilePath;
    Check(cw::LoadScoreFile(again, againRecords) == 1);
    Check(SameTables(againRecords.tables, records.tables));
    for (int level = 0; level < cw::kLevelCount; ++level)
        Check(again.best[level] == records.tables[level][0].score);
    const cw::GameState fresh;
    const cw::RecordsState freshRecords;
    const bool header = headerInForce;
    Check(again.level == (header ? game.level : fresh.level));
    Check(againRecords.shape == (header ? records.shape : freshRecords.shape));
    Check(againRecords.carried == (header ? records.carried : freshRecords.carried));
    Check(cw::PackOptionFlags(again.options) ==
          cw::PackOptionFlags(header ? game.options : fresh.options));
}

void UnreadableStaysAsItIs(const std::filesystem::path& scratch, cw::RecordsState& records) {
    const std::string before = cw::fuzz::Describe(scratch);
    cw::GameState game;
    Check(cw::LoadScoreFile(game, records) == 0);
    Check(SameTables(records.tables, cw::ScoreTables{}));
    ChangeLikeAGame(1, game, records);
    Check(cw::SaveScoreFile(game, records) == 0);
    Check(cw::fuzz::Describe(scratch) == before);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static cw::fuzz::ScratchFolder scratch;
    if (size < 2)
        return 0;
    const std::uint8_t control = data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
    scratch.Reset();
    const bool headerInForce = (control & 4) != 0;
    if (headerInForce)
        cw::WriteSettings(cw::GameState{}, cw::RecordsState{});

    cw::RecordsState records;
    records.scoreFilePath = cw::DefaultScoreFilePath();
    const std::filesystem::path path = records.scoreFilePath.toStdString();
    Check(path.parent_path() == scratch.data());
    std::error_code ignored;
    switch (control & 3) {
    case 0:
    case 1:
        if ((control & 0x80) && geteuid() != 0) { // root reads every file
            cw::fuzz::WriteFile(path, bytes);
            std::filesystem::permissions(path, std::filesystem::perms::none, ignored);
            UnreadableStaysAsItIs(scratch.root(), records);
        } else if (!bytes.empty()) { // an empty file, left by an older version, counts as absent
            SaveThenLoad(bytes, data[1], headerInForce, path, records);
        }
        break;
    case 2:
        std::filesystem::create_directory(path);
        cw::fuzz::WriteFile(path / "kept", bytes);
        UnreadableStaysAsItIs(scratch.root(), records);
        break;
    default:
        std::filesystem::create_directory(scratch.root() / "elsewhere");
        std::filesystem::create_symlink(scratch.root() / ((control & 8) ? "nowhere" : "elsewhere"),
                                        path);
        UnreadableStaysAsItIs(scratch.root(), records);
        break;
    }
    return 0;
}
