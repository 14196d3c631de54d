// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThread>

#include <functional>

class QWidget;

namespace cw {

class InstanceServer;

// What a later start learns from the game that already runs.
enum class RunningInstance {
    None,      // no game of this player answered: this start becomes the game
    Activated, // the running game came forward; this start ends
    Busy,      // the running game shows a modal dialog; this start beeps and ends
};

// The name under which the running game listens. It depends on the user alone: a start from
// another display or platform of the same player finds the game too, since two games would
// overwrite each other's records.
QString SingleInstanceKey();

// The running game's side of the single-instance rule, and the check a new start makes first.
// The name lives in the abstract socket namespace, so a crashed game leaves no file behind
// that could stop the next start; any local process can take such a name, though, so neither
// side believes a peer that is not of this user or does not speak the exchange.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QString key = SingleInstanceKey(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // Asks a running game to come forward, handing it this start's activation token if it has
    // one (LaunchActivationToken). Only a game of this user that answers within
    // `answerTimeoutMs` counts; a squatter on the name (silent, answering garbage, of another
    // user) is no game, and this start goes on.
    RunningInstance AskRunningInstance(int answerTimeoutMs = 600) const;

    // Starts answering later starts, on a thread of its own so that a game blocked in a pause of
    // the rules still answers in time. `activate` runs on this object's thread with the later
    // start's activation token (checked, or empty), brings the window forward and returns true
    // when it could not because a modal dialog is open. False, logged, when something else
    // holds the name: the game then runs without the rule.
    bool Listen(std::function<bool(const QByteArray& activationToken)> activate);

    const QString& key() const { return key_; }

private:
    void Activate(quint64 request, const QByteArray& activationToken);

    QString key_;
    std::function<bool(const QByteArray&)> activate_;
    QThread thread_;
    InstanceServer* server_ = nullptr; // lives on thread_, deleted as it finishes
};

// The Wayland activation token that this process's launcher gave it, when it is one that the
// running game accepts; empty otherwise.
QByteArray LaunchActivationToken();

// Brings `window` forward, restored if minimised; returns true instead (touching nothing) while
// a modal dialog of the game is open. Under Wayland the compositor raises the window only with
// an activation token: that of the start that asked for it, if it had one.
bool ActivateUnlessBusy(QWidget* window, const QByteArray& activationToken = {});

} // namespace cw
