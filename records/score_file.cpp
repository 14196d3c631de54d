// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/score_file.h"

#include "records/option_values.h"
#include "records/safe_save.h"
#include "records/score_format.h"
#include "records/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

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

// Whatever a longer file holds past the format's bytes belongs to someone else and is kept.
// Nothing when the file cannot be read whole: a save then must not replace it.
std::optional<QByteArray> ReadTail(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 tailSize = file.size() - static_cast<qint64>(kScoreFileBytes);
    if (tailSize <= 0)
        return QByteArray();
    if (!file.seek(static_cast<qint64>(kScoreFileBytes)))
        return std::nullopt;
    QByteArray tail = file.readAll();
    if (tail.size() != tailSize)
        return std::nullopt;
    return tail;
}

} // namespace

QString DefaultScoreFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/cobblewell.top");
}

void PrepareScoreFile(GameState& game, RecordsState& records) {
    records.scoreFilePath = DefaultScoreFilePath();
    QDir().mkpath(QFileInfo(records.scoreFilePath).absolutePath());
    if (LoadScoreFile(game, records))
        return;
    ReadSettings(game, records);
    // A file that exists but cannot be read may still hold someone's scores: it is neither
    // emptied nor replaced (the save below fails on it as well).
    if (!QFileInfo::exists(records.scoreFilePath)) {
        QFile created(records.scoreFilePath);
        created.open(QIODevice::WriteOnly);
    }
    SaveScoreFile(game, records);
}

int LoadScoreFile(GameState& game, RecordsState& records) {
    QFile file(records.scoreFilePath);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = file.read(static_cast<qint64>(kScoreFileBytes));
    if (ScoreHeaderInForce())
        ApplyHeader(ParseScoreHeader(AsBytes(bytes)), game, records);
    records.tables = ParseScoreTables(AsBytes(bytes));
    for (int level = 0; level < kLevelCount; ++level)
        game.best[level] = records.tables[level][0].score;
    return 1;
}

int SaveScoreFile(const GameState& game, const RecordsState& records) {
    const QString& path = records.scoreFilePath;
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return 0;
    const std::optional<QByteArray> tail = ReadTail(path);
    if (!tail)
        return 0;
    const ScoreFileBytes image = SerializeScoreFile(CurrentHeader(game, records), records.tables);
    QByteArray contents(reinterpret_cast<const char*>(image.data()),
                        static_cast<qsizetype>(image.size()));
    contents += *tail;
    return SaveFileAtomically(path, contents) ? 1 : 0;
}

} // namespace cw
