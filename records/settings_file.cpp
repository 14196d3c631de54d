// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/settings_file.h"

#include "records/ini_document.h"
#include "records/option_values.h"
#include "records/regular_file.h"
#include "records/safe_save.h"
#include "records/setting_codec.h"
#include "records/settings_table.h"
#include "records/user_folders.h"
#include "resources/version.h"

#include <array>
#include <vector>

namespace cw {
namespace {

QString ConfigFilePath(const char* fileName) {
    return UserFolder(QStandardPaths::AppConfigLocation) + '/' + QLatin1String(fileName);
}

IniDocument AsDocument(const QByteArray& text) {
    return IniDocument(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

// A file that cannot be read reads as empty.
IniDocument ReadIniFile(const QString& path) {
    return AsDocument(ReadRegularFile(path).bytes);
}

struct IniEntry {
    SettingKey setting;
    std::string value; // as stored
};

// Sets every entry in one save, keeping all else the file holds. A file that exists but cannot
// be read whole is left as it is: a document rebuilt without it would lose the player's other
// keys and sections. Neither is a text saved that the next read would refuse as too large,
// nor one that changes nothing.
bool WriteIniEntries(const QString& path, const std::vector<IniEntry>& entries) {
    const FileContents current = ReadRegularFile(path);
    if (current.state == FileState::Unusable)
        return false;
    IniDocument document = AsDocument(current.bytes);
    for (const IniEntry& entry : entries)
        document.SetValue(entry.setting.section, entry.setting.key, entry.value);
    const QByteArray bytes = QByteArray::fromStdString(document.Text());
    if (current.state == FileState::Read && bytes == current.bytes)
        return true;
    if (bytes.size() > kReadLimitBytes) {
        WarnFileProblemOnce(path, "would grow too large to be read, so it is not saved");
        return false;
    }
    return SaveFile(path, bytes, current.bytes);
}

std::string RawValue(const IniDocument& document, const SettingKey& setting) {
    return document.Value(setting.section, setting.key).value_or(std::string());
}

std::string DecodedValue(const IniDocument& document, const SettingKey& setting) {
    return DecodeSettingValue(RawValue(document, setting));
}

IniEntry EncodedEntry(const SettingKey& setting, const std::string& text) {
    return {setting, EncodeSettingValue(text)};
}

void ApplyOptions(const std::string& text, GameState& game, RecordsState& records) {
    std::array<std::int32_t, 5> fields{game.level, records.shape, records.carried[0],
                                       records.carried[1], records.carried[2]};
    ParseNumberList(text, fields);
    game.level = ValidLevel(fields[0]);
    records.shape = ValidShape(fields[1]);
    std::copy(fields.begin() + 2, fields.end(), records.carried.begin());
}

} // namespace

QString SettingsFilePath() {
    return ConfigFilePath("COBWL.INI");
}

QString ProfileFilePath() {
    return ConfigFilePath("WIN.INI");
}

int ReadSettings(GameState& game, RecordsState& records) {
    const FileContents file = ReadRegularFile(SettingsFilePath());
    const IniDocument document = AsDocument(file.bytes);
    if (const std::string text = DecodedValue(document, kOptionsSetting); !text.empty())
        ApplyOptions(text, game, records);
    // Of "MoreOptions", the flags alone mean something.
    if (std::array<std::int32_t, 1> flags{};
        ParseNumberList(DecodedValue(document, kMoreOptionsSetting), flags) == 1)
        UnpackOptionFlags(flags[0], game.options);
    if (const std::string text = DecodedValue(document, kBrowserSetting); !text.empty())
        records.browserPath = QByteArray::fromStdString(text);
    return file.state == FileState::Unusable ? 0 : 1;
}

int WriteSettings(const GameState& game, const RecordsState& records) {
    const std::array<std::int32_t, 5> options{game.level, records.shape, records.carried[0],
                                              records.carried[1], records.carried[2]};
    const std::array<std::int32_t, 4> moreOptions{PackOptionFlags(game.options), 0, 0, 0};
    std::vector<IniEntry> entries{EncodedEntry(kOptionsSetting, FormatNumberList(options)),
                                  EncodedEntry(kMoreOptionsSetting, FormatNumberList(moreOptions))};
    if (!records.browserPath.isEmpty())
        entries.push_back(EncodedEntry(kBrowserSetting, records.browserPath.toStdString()));
    const bool settingsSaved = WriteIniEntries(SettingsFilePath(), entries);
    const bool versionSaved = WriteIniEntries(ProfileFilePath(), {{kVersionSetting, kVersionText}});
    return settingsSaved && versionSaved ? 1 : 0;
}

bool ScoreHeaderInForce() {
    return !RawValue(ReadIniFile(SettingsFilePath()), kOptionsSetting).empty() ||
           !RawValue(ReadIniFile(ProfileFilePath()), kVersionSetting).empty();
}

} // namespace cw
