// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/score_file.h"

#include "records/option_values.h"
#include "records/regular_file.h"
#include "records/safe_save.h"
#include "records/score_format.h"
#include "records/settings_file.h"
#include "records/user_folders.h"

#include <cerrno>
#include <span>

namespace cw {
namespace {

std::span<const std::uint8_t> AsBytes(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

void ApplyHeader(const ScoreHeader& header, GameState& game, RecordsState& records) {
    game.level = ValidLevel(header.level);
    records.shape = ValidShape(header.shape);
    records.carried = header.carried;
    UnpackOptionFlags(header.optionFlags, game.options);
}

ScoreHeader CurrentHeader(const GameState& game, const RecordsState& records) {
    return ScoreHeader{game.level, records.shape, records.carried, PackOptionFlags(game.options)};
}

template <std::size_t N> QByteArray AsByteArray(const std::array<std::uint8_t, N>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(N));
}

} // namespace

QString DefaultScoreFilePath() {
    return UserFolder(QStandardPaths::AppDataLocation) + QStringLiteral("/cobblewell.top");
}

void PrepareScoreFile(GameState& game, RecordsState& records) {
    records.scoreFilePath = DefaultScoreFilePath();
    for (const QString& path : {records.scoreFilePath, SettingsFilePath(), ProfileFilePath()})
        RemoveStaleSaveFiles(path);
    if (LoadScoreFile(game, records))
        return;
    ReadSettings(game, records);
    SaveScoreFile(game, records);
}

int LoadScoreFile(GameState& game, RecordsState& records) {
    const FileContents file = ReadRegularFile(
        records.scoreFilePath, static_cast<qint64>(kScoreFileBytes), ReadExtent::Prefix);
    // An empty file counts as absent: an older version left it when its creation was cut short.
    if (file.state != FileState::Read || file.bytes.isEmpty())
        return 0;
    const QByteArray& bytes = file.bytes;
    if (ScoreHeaderInForce())
        ApplyHeader(ParseScoreHeader(AsBytes(bytes)), game, records);
    records.tables = ParseScoreTables(AsBytes(bytes));
    for (int level = 0; level < kLevelCount; ++level)
        game.best[level] = records.tables[level][0].score;
    return 1;
}

int SaveScoreFile(const GameState& game, const RecordsState& records, int* error) {
    const QString& path = records.scoreFilePath;
    // Whatever a longer file holds past the format's bytes belongs to someone else and is kept,
    // so a save needs the whole file; one that cannot be read is not replaced.
    const FileContents current = ReadRegularFile(path);
    if (error != nullptr)
        *error = path.isEmpty() ? ENOENT : current.error;
    if (path.isEmpty() || current.state == FileState::Unusable)
        return 0;
    // A missing or empty file (an older version left one when its creation was cut short) is
    // written whole, so an entry is kept even when the first start could not create it.
    const QByteArray contents =
        AsByteArray(SerializeScoreFile(CurrentHeader(game, records), records.tables)) +
        current.bytes.mid(static_cast<qsizetype>(kScoreFileBytes));
    return SaveFile(path, contents, current.bytes, error) ? 1 : 0;
}

int SaveScoreHeader(const GameState& game, const RecordsState& records) {
    const FileContents current = ReadRegularFile(records.scoreFilePath);
    if (current.state != FileState::Read)
        return current.state == FileState::Absent ? 1 : 0;
    const ScoreHeader header = CurrentHeader(game, records);
    if (!current.bytes.isEmpty() && ParseScoreHeader(AsBytes(current.bytes)) == header)
        return 1;
    const QByteArray contents = AsByteArray(SerializeScoreHeader(header)) +
                                current.bytes.mid(static_cast<qsizetype>(kScoreHeaderBytes));
    return SaveFile(records.scoreFilePath, contents, current.bytes) ? 1 : 0;
}

} // namespace cw
