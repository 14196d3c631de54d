// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QLibrary>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace cw {

// A token travels as one line of printable ASCII without spaces, at most this long, or not at all.
constexpr qsizetype kMaxTokenLength = 255;

// What a start learns as it claims the game of this player.
enum class Election {
    Elected, // no other game runs: this start is the game and answers later ones
    Unruled, // no runtime folder or socket module to hold the claim: a game without the rule
    Shown,   // the running game came forward; this start ends
    Busy,    // the running game shows a modal dialog; this start beeps and ends
    Silent,  // a game holds the claim but does not answer (stopped, hung); this start ends
};

// One game per player: a lock file in the player's runtime folder elects the game, and a local
// socket beside it carries a later start's request to come forward. The folder is the player's
// alone (mode 0700), so whoever reaches the socket is the player. The socket is the module at
// `module` (below); without it a start says so once and runs as Unruled.
class SingleInstance {
public:
    // Runs on the game's event loop for each later start, with that start's activation token
    // (or none); brings the window forward, or returns true when a modal dialog keeps it back.
    using Activate = std::function<bool(const QByteArray& activationToken)>;

    explicit SingleInstance(Activate activate, QString folder = RuntimeFolder(),
                            const QString& module = SocketModule());

    // Claims the game for this process or, where another holds it, hands that game what this
    // start's launcher gave it to bring a window forward: its Wayland activation token or,
    // without one, its kept startup-notification id (X11); nothing when neither can travel as
    // one line. Said once on standard error when it comes to Unruled.
    Election Elect(int answerWaitMs = 2000);

    // The elected game answers later starts from here on, once its window shows: until then a
    // later start's Elect tries again. Where it cannot listen it gives up the claim, as Unruled.
    void Listen();

    // The player's runtime folder; empty when there is none.
    static QString RuntimeFolder();
    // The socket module where the build and the installation put it, relative to the program.
    static QString SocketModule();

private:
    QString SocketPath() const;

    const Activate activate_;
    const QString folder_;
    QLibrary module_;
    QLockFile lock_;
    std::unique_ptr<QObject> server_;
};

// Keeps the startup-notification id (X11) that this process's launcher gave it, for Elect:
// Qt's X11 plugin takes it out of the environment as the application object is built, so this
// comes before.
void KeepLaunchStartupId();

// Brings `window` forward, restored if minimised; returns true instead (touching no window)
// while a modal dialog of the game is open. Under Wayland the compositor raises the window only
// with an activation token: that of the start that asked for it, if it had one. Under X11 the
// token is that start's startup-notification id: the window carries it, and the launch is
// declared over, busy or not.
bool ActivateUnlessBusy(QWidget* window, const QByteArray& activationToken = {});

} // namespace cw

// The socket's module (instance_socket.cpp), which the game loads by name: Qt Network and the
// libraries behind it cost a start several per cent of its time, and the game that wins the
// lock needs them only once its window shows.
extern "C" {
// Listens at `path`, where only the lock's holder listens, so a socket already there is a gone
// game's. Each later start's line goes to `answer`, which returns true while a modal dialog
// keeps the window back. The server, or null with `why`.
Q_DECL_EXPORT QObject* cwListenAt(const QString& path,
                                  std::function<bool(const QByteArray& line)> answer, QString& why);
// Hands `line` to the game listening at `path`: Shown or Busy as it answers, Silent when it
// answers nothing within `waitMs`.
Q_DECL_EXPORT cw::Election cwAskAt(const QString& path, const QByteArray& line, int waitMs);
}
