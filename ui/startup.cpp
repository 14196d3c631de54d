// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/startup.h"

#include "game/random.h"
#include "game/rules.h"
#include "records/score_file.h"
#include "records/score_table.h"
#include "resources/translations.h"
#include "resources/version.h"
#include "ui/main_window.h"
#include "ui/single_instance.h"
#include "ui/termination_signals.h"
#include "widgets/center_dialog.h"

#include <QDirIterator>
#include <QLayout>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include <stdlib.h> // on_exit

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace cw {
namespace {

// What Qt says while it looks for a window system, kept until it is known whether it found one.
struct StartupMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

std::vector<StartupMessage>& StartupMessages() {
    static std::vector<StartupMessage> messages;
    return messages;
}

// What the platform plugins said of the display they could not reach ("could not connect to
// display :1"), for a player whose display exists but turns the game away.
QString DisplayTrouble() {
    for (const StartupMessage& message : StartupMessages()) {
        if (message.category.startsWith("qt.qpa"))
            return QStringLiteral(" (%1)").arg(message.text.simplified());
    }
    return {};
}

// A fatal message while the application object is built means that no platform could be
// started: Qt would abort after it.
void HoldStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "cobblewell: no display to show the game on%s: DISPLAY (X11) or "
                     "WAYLAND_DISPLAY (Wayland) must name a running one\n",
                     qPrintable(DisplayTrouble()));
        std::fflush(stderr);
        std::_Exit(0);
    }
    StartupMessages().push_back({type, QByteArray(context.category), text});
}

// Qt ends the process itself, with exit(1), when the connection to the display breaks: the
// server went away, or another client cut the game off (xdotool windowkill does). The game's
// status is 0 however it ends.
void EndWithStatusZero(int status, void*) {
    if (status != 0) {
        std::fflush(nullptr);
        std::_Exit(0);
    }
}

// True when this start ends here, leaving the game to the one that runs: it came forward, or it
// shows a dialog (this start beeps) or does not answer (this start says so).
bool LeftToRunningGame(Election election) {
    switch (election) {
    case Election::Elected:
    case Election::Unruled:
        return false;
    case Election::Busy:
        QApplication::beep();
        // This process ends at once; the beep must reach the display before the connection goes.
        QGuiApplication::sync();
        return true;
    case Election::Silent:
        InstallTranslations();
        QMessageBox::warning(nullptr, QStringLiteral("Cobblewell"),
                             QCoreApplication::translate(
                                 "Startup", "Cobblewell is already running but does not respond."));
        return true;
    case Election::Shown:
        return true;
    }
    return true;
}

// The hicolor set drawn for the desktop, every size from 16 to 256 (its 32 x 32 member is the
// game's window icon), so that docks and task switchers need not scale one picture. The folder
// holds nothing else; a name filter would cost a regular expression, and its library.
QIcon WindowIcon() {
    QIcon icon;
    QDirIterator pictures(QStringLiteral(":/window-icon"), QDir::Files,
                          QDirIterator::Subdirectories);
    while (pictures.hasNext())
        icon.addFile(pictures.next());
    return icon;
}

// Whatever the interrupted code opens once the window has gone (the table after a dismissed
// entry) must not keep the game: it ends as soon as the close goes through, even if a pause
// holds it back a while.
void EndWithoutDialogs(MainWindow& window) {
    if (QWindow* shown = window.windowHandle())
        QObject::connect(shown, &QWindow::visibleChanged, qApp, [](bool visible) {
            if (!visible)
                QCoreApplication::exit(0);
        });
    window.LeaveWithoutDialogs();
}

} // namespace

std::unique_ptr<QApplication> CreateApplication(int& argc, char** argv) {
    // Under a file size limit a write past it then comes up short, which the saves handle as
    // they do a full disk, instead of ending the game.
    std::signal(SIGXFSZ, SIG_IGN);
    KeepLaunchStartupId();
    const QtMessageHandler previous = qInstallMessageHandler(&HoldStartupMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const StartupMessage& message : StartupMessages())
        qt_message_output(message.type,
                          QMessageLogContext(nullptr, 0, nullptr, message.category.constData()),
                          message.text);
    StartupMessages().clear();
    on_exit(&EndWithStatusZero, nullptr);
    return application;
}

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
    MainWindow* running = nullptr;
    // The election comes before anything else; requests are answered on the event loop only,
    // by when the window exists.
    SingleInstance instance([&running](const QByteArray& activationToken) {
        return running != nullptr && ActivateUnlessBusy(running, activationToken);
    });
    if (LeftToRunningGame(instance.Elect()))
        return 0;
    ApplyVersionInformation(application);
    InstallTranslations();

    auto session = std::make_unique<Session>();
    const std::time_t startTime = std::time(nullptr);
    std::unique_ptr<MainWindow> window = CreateGame(*session, startTime);
    running = window.get();
    const TerminationSignals termination([&window] { EndWithoutDialogs(*window); });
    // It opens at the screen's centre by its outer frame, as a dialog without owner does; its
    // fixed size comes from its layout, which would otherwise settle only as it shows.
    window->layout()->activate();
    CenterDialog(window.get(), nullptr);
    window->show();
    // The desktop takes up the icon whenever the window's changes, and later starts retry until
    // the game listens: decoding the icon's eight sizes or loading the socket before the show
    // would hold the window back.
    QTimer::singleShot(0, window.get(), [shown = window.get(), &instance] {
        shown->setWindowIcon(WindowIcon());
        instance.Listen();
    });
    QApplication::exec();
    return 0;
}

} // namespace cw
