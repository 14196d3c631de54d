// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/score_file.h"

#include "records/option_values.h"
#include "records/regular_file.h"
#include "records/safe_save.h"
#include "records/score_format.h"
#include "records/settings_file.h"
#include "records/user_folders.h"

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

QByteArray ImageBytes(const GameState& game, const RecordsState& records) {
    const ScoreFileBytes image = SerializeScoreFile(CurrentHeader(game, records), records.tables);
    return QByteArray(reinterpret_cast<const char*>(image.data()),
                      static_cast<qsizetype>(image.size()));
}

// A file that an older version created but never wrote is empty; it holds no one's scores.
bool CanBeCreated(const QString& path) {
    const FileContents found = ReadRegularFile(path, 1, ReadExtent::Prefix);
    return found.state == FileState::Absent ||
           (found.state == FileState::Read && found.bytes.isEmpty());
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
    // Whole or not at all, so that no interruption leaves a short file. A file that exists
    // but cannot be read may still hold someone's scores: it is neither emptied nor replaced.
    if (CanBeCreated(records.scoreFilePath))
        SaveFile(records.scoreFilePath, ImageBytes(game, records), QByteArray());
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

int SaveScoreFile(const GameState& game, const RecordsState& records) {
    const QString& path = records.scoreFilePath;
    if (path.isEmpty())
        return 0;
    // Whatever a longer file holds past the format's bytes belongs to someone else and is kept,
    // so the save needs the whole file; one that cannot be read is not replaced.
    const FileContents current = ReadRegularFile(path, kReadLimitBytes, ReadExtent::Whole);
    if (current.state == FileState::Absent)
        WarnFileProblemOnce(path, "is gone, so scores are not saved");
    if (current.state != FileState::Read)
        return 0;
    const QByteArray contents =
        ImageBytes(game, records) + current.bytes.mid(static_cast<qsizetype>(kScoreFileBytes));
    return SaveFile(path, contents, current.bytes) ? 1 : 0;
}

} // namespace cw
