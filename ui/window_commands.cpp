// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's command table and its orderly leave.

#include "desktop/about_dialog.h"
#include "desktop/help_viewer.h"
#include "desktop/sparkle_request.h"
#include "game/rules.h"
#include "records/options_dialog.h"
#include "records/score_file.h"
#include "records/score_table.h"
#include "records/settings_file.h"
#include "resources/menu_table.h"
#include "ui/main_window.h"

#include <QCloseEvent>

namespace cw {

void MainWindow::InstallDialogCompanions() {
    new IdleSparkleSource(this);
}

void MainWindow::RunCommand(int command) {
    if (const std::optional<HelpTopic> topic = HelpTopicForCommand(command)) {
        ShowHelp(*topic, this);
        return;
    }
    switch (command) {
    case CmdNew:
        NewGameCommand();
        break;
    case CmdHighScores:
        ShowTopPlayers(game_, records_, this);
        break;
    case CmdExit:
        ExitCommand();
        break;
    case CmdAbout:
        RunAboutCommand(game_.random, records_.browserPath, this);
        break;
    case CmdOptions:
        RunOptionsDialog(game_, records_, *this, this);
        break;
    case CmdBeginner:
        ChangeLevelCommand(Beginner);
        break;
    case CmdIntermediate:
        ChangeLevelCommand(Intermediate);
        break;
    case CmdExpert:
        ChangeLevelCommand(Expert);
        break;
    case CmdMinimize:
        showMinimized();
        break;
    default:
        break;
    }
}

void MainWindow::NewGameCommand() {
    NewCommand(game_, *this);
    UpdateCursors();
}

void MainWindow::ChangeLevelCommand(std::int32_t level) {
    ChangeLevel(game_, *this, level, [this] {
        UpdateTitle(game_.level);
        CheckLevelMenu(game_.level);
    });
    UpdateCursors();
}

// Exit and the window's close button end the game the same way; closeEvent does the work so
// that both paths share it.
void MainWindow::ExitCommand() {
    close();
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
