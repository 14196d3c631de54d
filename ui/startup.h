// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/state.h"
#include "records/records_state.h"

#include <QApplication>

#include <ctime>
#include <memory>

namespace cw {

class MainWindow;

// Everything the game keeps for the life of the process. Both records start with the values of
// a first start (records/settings_table.h).
struct Session {
    GameState game;
    RecordsState records;
};

// The application object, or the end of the program: where no window system can be reached
// (Qt would abort), it prints one line on standard error and exits with status 0. Qt's own
// messages of that attempt are shown only when it succeeds. A file size limit never ends the
// process: SIGXFSZ is ignored from here on.
std::unique_ptr<QApplication> CreateApplication(int& argc, char** argv);

// The start-up sequence after the single-instance check, up to but not including showing the
// window: the score file (or the settings that create it), the desktop font's character
// width, the window, then DealFirstGame.
std::unique_ptr<MainWindow> CreateGame(Session& session, std::time_t startTime);

// Title and level check mark, the generator seeded with startTime, and the first game dealt
// while the window is still hidden.
void DealFirstGame(MainWindow& window, GameState& game, std::time_t startTime);

// The whole program after QApplication exists; returns the exit code, 0 in every case.
int RunApplication(QApplication& application);

} // namespace cw
