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

namespace cw {
namespace {

QString ConfigFilePath(const char* fileName) {
    return UserFolder(QStandardPaths::AppConfigLocation) + '/' + QLatin1String(fileName);
}

FileContents ReadIniText(const QString& path) {
    return ReadRegularFile(path, kReadLimitBytes, ReadExtent::Whole);
}

IniDocument AsDocument(const QByteArray& text) {
    return IniDocument(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

// A file that cannot be read reads as empty.
IniDocument ReadIniFile(const QString& path) {
    return AsDocument(ReadIniText(path).bytes);
}

// A file that exists but cannot be read whole is left as it is: a document rebuilt without
// it would lose the player's other keys and sections.
bool WriteIniEntry(const QString& path, const std::string& section, const std::string& key,
                   const std::string& value) {
    const FileContents current = ReadIniText(path);
    if (current.state == FileState::Unusable)
        return false;
    IniDocument document = AsDocument(current.bytes);
    document.SetValue(section, key, value);
    const std::string text = document.Text();
    return SaveFile(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())),
                    current.bytes);
}

std::string RawValue(const QString& path, const SettingKey& setting) {
    return ReadIniFile(path).Value(setting.section, setting.key).value_or(std::string());
}

void ReadSetting(const SettingKey& setting, std::string& out) {
    ReadSettingValue(setting.section, setting.key, out);
}

void WriteSetting(const SettingKey& setting, const std::string& text) {
    WriteSettingValue(setting.section, setting.key, text);
}

void ApplyOptions(const std::string& text, GameState& game, RecordsState& records) {
    std::array<std::int32_t, 5> fields{game.level, records.shape, records.carried[0],
                                       records.carried[1], records.carried[2]};
    ParseNumberList(text, fields);
    game.level = ValidLevel(fields[0]);
    records.shape = ValidShape(fields[1]);
    std::copy(fields.begin() + 2, fields.end(), records.carried.begin());
}

void ApplyMoreOptions(const std::string& text, GameState& game) {
    std::array<std::int32_t, 4> fields{};
    if (ParseNumberList(text, fields) >= 1)
        UnpackOptionFlags(fields[0], game.options);
}

} // namespace

QString SettingsFilePath() {
    return ConfigFilePath("COBWL.INI");
}

QString ProfileFilePath() {
    return ConfigFilePath("WIN.INI");
}

int WriteSettingValue(const std::string& section, const std::string& key, const std::string& text) {
    if (section.empty() || key.empty())
        return 0;
    WriteIniEntry(SettingsFilePath(), section, key, EncodeSettingValue(text));
    return 1;
}

int ReadSettingValue(const std::string& section, const std::string& key, std::string& out) {
    out.clear();
    if (section.empty() || key.empty())
        return 0;
    const auto stored = ReadIniFile(SettingsFilePath()).Value(section, key);
    if (stored)
        out = DecodeSettingValue(*stored);
    return 1;
}

int ReadSettings(GameState& game, RecordsState& records) {
    std::string text;
    ReadSetting(kOptionsSetting, text);
    if (!text.empty())
        ApplyOptions(text, game, records);
    ReadSetting(kMoreOptionsSetting, text);
    if (!text.empty())
        ApplyMoreOptions(text, game);
    ReadSetting(kBrowserSetting, text);
    if (!text.empty())
        records.browserPath = QByteArray::fromStdString(text);
    return 1;
}

int WriteSettings(const GameState& game, const RecordsState& records) {
    const std::array<std::int32_t, 5> options{game.level, records.shape, records.carried[0],
                                              records.carried[1], records.carried[2]};
    WriteSetting(kOptionsSetting, FormatNumberList(options));
    const std::array<std::int32_t, 4> moreOptions{PackOptionFlags(game.options), 0, 0, 0};
    WriteSetting(kMoreOptionsSetting, FormatNumberList(moreOptions));
    if (!records.browserPath.isEmpty())
        WriteSetting(kBrowserSetting, records.browserPath.toStdString());
    WriteIniEntry(ProfileFilePath(), kVersionSetting.section, kVersionSetting.key, kVersionText);
    return 1;
}

bool ScoreHeaderInForce() {
    return !RawValue(SettingsFilePath(), kOptionsSetting).empty() ||
           !RawValue(ProfileFilePath(), kVersionSetting).empty();
}

} // namespace cw
