// SPDX-License-Identifier: GPL-3.0-or-later
// The settings read and write path end to end on a scratch folder. Whatever text COBWL.INI and
// WIN.INI hold, a read gives valid options, and a write then a read gives back what was
// written; a settings file the read cannot read (a folder, a link to one, a file without read
// permission) fails the read and is never changed by a later write.
//   byte 0: bits 0-1 what stands at the path (file, file, folder, link), bit 2 WIN.INI holds
//           the same text, bit 3 the game has a browser path, bit 7 the file is unreadable
//   byte 1: what the game changes before it writes; the rest: the file's text
#include "records/option_values.h"
#include "records/settings_file.h"
#include "tests/fuzz/scratch_folder.h"

#include <unistd.h>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

void ChangeLikeAGame(std::uint8_t control, std::uint8_t change, cw::GameState& game,
                     cw::RecordsState& records) {
    game.level = change % 3;
    records.shape = 1 + (change >> 2) % cw::kShapeCount;
    cw::UnpackOptionFlags(change >> 5, game.options);
    records.carried = {change, -change, change * 65537};
    if (control & 8)
        records.browserPath = "/usr/bin/br\xE9wser " + QByteArray::number(change);
}

void WriteThenRead(std::uint8_t control, std::uint8_t change) {
    cw::GameState game;
    cw::RecordsState records;
    Check(cw::ReadSettings(game, records) == 1);
    Check(game.level >= 0 && game.level < cw::kLevelCount);
    Check(records.shape >= 1 && records.shape <= cw::kShapeCount);

    ChangeLikeAGame(control, change, game, records);
    Check(cw::WriteSettings(game, records) == 1);
    Check(cw::ScoreHeaderInForce());
    cw::GameState again;
    cw::RecordsState againRecords;
    Check(cw::ReadSettings(again, againRecords) == 1);
    Check(again.level == game.level);
    Check(againRecords.shape == records.shape);
    Check(againRecords.carried == records.carried);
    Check(cw::PackOptionFlags(again.options) == cw::PackOptionFlags(game.options));
    Check(againRecords.browserPath == records.browserPath);
}

std::string Describe(std::initializer_list<std::filesystem::path> paths) {
    std::string text;
    for (const std::filesystem::path& path : paths)
        text += cw::fuzz::Describe(path) + '\n';
    return text;
}

void UnreadableStaysAsItIs(std::uint8_t control,
                           std::initializer_list<std::filesystem::path> watched) {
    const std::string before = Describe(watched);
    cw::GameState game;
    cw::RecordsState records;
    Check(cw::ReadSettings(game, records) == 0);
    Check(game.level == cw::GameState{}.level && records.shape == cw::RecordsState{}.shape);
    ChangeLikeAGame(control, 1, game, records);
    cw::WriteSettings(game, records);
    Check(Describe(watched) == before);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static cw::fuzz::ScratchFolder scratch;
    if (size < 2)
        return 0;
    const std::uint8_t control = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);
    scratch.Reset();
    const std::filesystem::path settings = cw::SettingsFilePath().toStdString();
    Check(settings.parent_path() == scratch.config());
    if (control & 4)
        cw::fuzz::WriteFile(cw::ProfileFilePath().toStdString(), text);
    std::error_code ignored;
    switch (control & 3) {
    case 0:
    case 1:
        cw::fuzz::WriteFile(settings, text);
        if ((control & 0x80) && geteuid() != 0) { // root reads every file
            std::filesystem::permissions(settings, std::filesystem::perms::none, ignored);
            UnreadableStaysAsItIs(control, {settings});
        } else {
            WriteThenRead(control, data[1]);
        }
        break;
    case 2:
        std::filesystem::create_directory(settings);
        cw::fuzz::WriteFile(settings / "kept", text);
        UnreadableStaysAsItIs(control, {settings});
        break;
    default:
        std::filesystem::create_directory(scratch.root() / "elsewhere");
        cw::fuzz::WriteFile(scratch.root() / "elsewhere" / "kept", text);
        std::filesystem::create_symlink(scratch.root() / "elsewhere", settings);
        UnreadableStaysAsItIs(control, {settings, scratch.root() / "elsewhere"});
        break;
    }
    return 0;
}
