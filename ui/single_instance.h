#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace cw {

// What a later start learns from the game that already runs.
enum class RunningInstance {
    None,      // nobody answered: this start becomes the game
    Activated, // the running game came forward; this start ends
    Busy,      // the running game shows a modal dialog; this start beeps and ends
};

// The per-user, per-display name under which the running game listens: one game per player
// and screen, and a game on another display is none of this start's business.
QString SingleInstanceKey();

// The running game's side of the single-instance rule, and the check a new start makes first.
// The name lives in the abstract socket namespace, so a crashed game leaves no file behind
// that could stop the next start.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QString key = SingleInstanceKey(), QObject* parent = nullptr);

    // Asks a running game to come forward. Any game that accepts the connection counts as
    // running, even when it is too busy to answer in time (a long move blocks it).
    RunningInstance AskRunningInstance(int answerTimeoutMs = 3000) const;

    // Starts answering later starts; `activate` brings the window forward and returns true
    // when it could not because a modal dialog is open. False when the name is held by
    // something that does not answer: the game then runs without the rule.
    bool Listen(std::function<bool()> activate);

    const QString& key() const { return key_; }

private:
    void AnswerRequest();

    QString key_;
    QLocalServer server_;
    std::function<bool()> activate_;
};

// Brings `window` forward, restored if minimised; returns true instead (touching nothing) while
// a modal dialog of the game is open.
bool ActivateUnlessBusy(QWidget* window);

} // namespace cw
