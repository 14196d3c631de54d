#include "ui/startup.h"

#include "game/random.h"
#include "game/rules.h"
#include "records/score_file.h"
#include "records/score_table.h"
#include "resources/version.h"
#include "ui/main_window.h"
#include "ui/single_instance.h"

namespace cw {
namespace {

// True when another game of this player already runs; it has come forward, or this start
// has beeped because that game shows a dialog.
bool HandedToRunningGame(const SingleInstance& instance) {
    switch (instance.AskRunningInstance()) {
    case RunningInstance::None:
        return false;
    case RunningInstance::Busy:
        QApplication::beep();
        // This process ends at once; the beep must reach the display before the connection goes.
        QGuiApplication::sync();
        return true;
    case RunningInstance::Activated:
        return true;
    }
    return true;
}

} // namespace

std::unique_ptr<MainWindow> CreateGame(Session& session, std::time_t startTime) {
    PrepareScoreFile(session.game, session.records);
    session.records.averageCharWidth = MeasureAverageCharWidth();
    auto window = std::make_unique<MainWindow>(session.game, session.records);
    DealFirstGame(*window, session.game, startTime);
    return window;
}

void DealFirstGame(MainWindow& window, GameState& game, std::time_t startTime) {
    window.UpdateTitle(game.level);
    window.CheckLevelMenu(game.level);
    SeedRandom(game.random, static_cast<std::uint32_t>(startTime));
    NewGame(game, window, game.level);
}

int RunApplication(QApplication& application) {
    ApplyVersionInformation(application);
    SingleInstance instance;
    if (HandedToRunningGame(instance))
        return 0;
    MainWindow* running = nullptr;
    // Requests are answered by the event loop only, by when the window exists.
    instance.Listen([&running] { return running != nullptr && ActivateUnlessBusy(running); });

    auto session = std::make_unique<Session>();
    const std::time_t startTime = std::time(nullptr);
    std::unique_ptr<MainWindow> window = CreateGame(*session, startTime);
    running = window.get();
    window->show();
    QApplication::exec();
    return 0;
}

} // namespace cw
