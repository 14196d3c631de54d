// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/score_table.h"

#include "records/name_dialog.h"
#include "records/regular_file.h"
#include "records/score_file.h"
#include "records/score_ranking.h"
#include "records/top_players_dialog.h"
#include "records/user_folders.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>

#include <ctime>

namespace cw {
namespace {

void CompletePendingEntry(ScoreEntry& pending, std::int32_t score, const ScoreEntry& displaced) {
    pending.score = score;
    // Wraps instead of overflowing on a generation read from a tampered file.
    pending.generation =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(displaced.generation) + 1u);
    pending.time = static_cast<std::uint32_t>(std::time(nullptr));
}

// Each game ends with at most one offer, so this is said at most once a game.
void TellEntryNotSaved(const QString& path, int error, QWidget* owner) {
    //: %1 is the score file's path, %2 the system's reason, such as "No space left on device".
    const QString text = QCoreApplication::translate(
        "TopPlayers", "The top-ten entry could not be saved in %1: %2.\n\n"
                      "It stays in the table until you exit Cobblewell.");
    QMessageBox::warning(owner, QStringLiteral("Cobblewell"),
                         text.arg(ShownPath(path), ErrorText(error)));
}

} // namespace

void OfferScoreEntry(GameState& game, RecordsState& records, int level, QWidget* owner) {
    if (!IsLevel(level))
        return;
    LevelTable& table = records.tables[level];
    const int position = FindScorePosition(table, game.score);
    if (position < 0)
        return;
    NameDialog nameDialog(records.pending, records.averageCharWidth, owner);
    if (nameDialog.exec() == QDialog::Accepted) {
        CompletePendingEntry(records.pending, game.score, table[position]);
        InsertScoreEntry(table, position, records.pending);
        if (int error = 0; SaveScoreFile(game, records, &error) == 0)
            TellEntryNotSaved(records.scoreFilePath, error, owner);
    }
    if (position == 0)
        game.best[level] = game.score;
    ShowTopPlayers(game, records, owner);
}

void ShowTopPlayers(const GameState& game, RecordsState& records, QWidget* owner) {
    TopPlayersDialog(records, game.level, owner).exec();
}

int MeasureAverageCharWidth() {
    return QFontMetrics(QApplication::font()).averageCharWidth();
}

} // namespace cw
