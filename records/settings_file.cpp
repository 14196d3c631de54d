#include "records/settings_file.h"

#include "records/ini_document.h"
#include "records/option_values.h"
#include "records/safe_save.h"
#include "records/setting_codec.h"
#include "resources/version.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <array>

namespace cw {
namespace {

constexpr char kSettingsSection[] = "Settings";
constexpr char kOptionsKey[] = "Options";
constexpr char kMoreOptionsKey[] = "MoreOptions";
constexpr char kBrowserKey[] = "Browser";
constexpr char kProfileSection[] = "Cobblewell";
constexpr char kVersionKey[] = "Version";

QString ConfigFilePath(const char* fileName) {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + '/' +
           QLatin1String(fileName);
}

IniDocument ReadIniFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return IniDocument();
    const QByteArray text = file.readAll();
    return IniDocument(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

bool WriteIniEntry(const QString& path, const std::string& section, const std::string& key,
                   const std::string& value) {
    IniDocument document = ReadIniFile(path);
    document.SetValue(section, key, value);
    const std::string text = document.Text();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return SaveFileAtomically(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

std::string RawValue(const QString& path, const char* section, const char* key) {
    return ReadIniFile(path).Value(section, key).value_or(std::string());
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
    ReadSettingValue(kSettingsSection, kOptionsKey, text);
    if (!text.empty())
        ApplyOptions(text, game, records);
    ReadSettingValue(kSettingsSection, kMoreOptionsKey, text);
    if (!text.empty())
        ApplyMoreOptions(text, game);
    ReadSettingValue(kSettingsSection, kBrowserKey, text);
    if (!text.empty())
        records.browserPath = QString::fromStdString(text);
    return 1;
}

int WriteSettings(const GameState& game, const RecordsState& records) {
    const std::array<std::int32_t, 5> options{game.level, records.shape, records.carried[0],
                                              records.carried[1], records.carried[2]};
    WriteSettingValue(kSettingsSection, kOptionsKey, FormatNumberList(options));
    const std::array<std::int32_t, 4> moreOptions{PackOptionFlags(game.options), 0, 0, 0};
    WriteSettingValue(kSettingsSection, kMoreOptionsKey, FormatNumberList(moreOptions));
    if (!records.browserPath.isEmpty())
        WriteSettingValue(kSettingsSection, kBrowserKey, records.browserPath.toStdString());
    WriteIniEntry(ProfileFilePath(), kProfileSection, kVersionKey, kVersionText);
    return 1;
}

bool ScoreHeaderInForce() {
    return !RawValue(SettingsFilePath(), kSettingsSection, kOptionsKey).empty() ||
           !RawValue(ProfileFilePath(), kProfileSection, kVersionKey).empty();
}

} // namespace cw
