// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands and its orderly leave.

#include "desktop/about_dialog.h"
#include "desktop/help_viewer.h"
#include "desktop/sparkle_request.h"
#include "game/rules.h"
#include "records/options_dialog.h"
#include "records/score_file.h"
#include "records/score_table.h"
#include "records/settings_file.h"
#include "ui/main_window.h"

#include <QCloseEvent>

namespace cw {

void MainWindow::InstallDialogCompanions() {
    new IdleSparkleSource(this);
}

// Each command's action runs its own handler; the level items are an exclusive group, so Qt
// has already moved the check mark when a level's handler runs.
void MainWindow::ConnectCommands() {
    const auto on = [this](Command command, auto handler) {
        connect(actions_[command], &QAction::triggered, this, handler);
    };
    on(Command::NewGame, &MainWindow::NewGameCommand);
    for (std::int32_t level = Beginner; level <= Expert; ++level)
        on(kLevelCommands[static_cast<std::size_t>(level)], [this, level] {
            RunReported(-1, [this, level] {
                ChangeLevel(game_, *this, level, [this] { UpdateTitle(game_.level); });
            });
            UpdateCursors();
        });
    on(Command::HighScores, [this] { ShowTopPlayers(game_, records_, this); });
    on(Command::Options, [this] { RunOptionsDialog(game_, records_, *this, this); });
    // Exit and the window's close button end the game the same way; closeEvent does the work
    // that both paths share.
    on(Command::Exit, &MainWindow::close);
    on(Command::HelpIndex, [this] { ShowHelp(HelpTopic::Contents, this); });
    on(Command::HelpRules, [this] { ShowHelp(HelpTopic::Rules, this); });
    on(Command::HelpUsing, [this] { ShowHelp(HelpTopic::UsingHelp, this); });
    on(Command::About, [this] { RunAboutCommand(game_.random, records_.browserPath, this); });
    on(Command::Minimize, &MainWindow::showMinimized);
    AddSpeakingKeys();
}

void MainWindow::NewGameCommand() {
    RunReported(-1, [this] { NewCommand(game_, *this); });
    UpdateCursors();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!exitHandled_) {
        exitHandled_ = true;
        if (!leavingWithoutDialogs_)
            OfferScoreEntry(game_.level);
        SaveScoreHeader(game_, records_);
        WriteSettings(game_, records_);
    }
    blinkTimer_.stop();
    faceTimer_.stop();
    event->accept();
}

} // namespace cw
