// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEventLoop>
#include <QTimer>

#include <functional>

namespace cw {

// A wait of the GUI thread that keeps the window alive. It runs a local event loop that serves
// the window system (a window manager's ping, exposes, configure events), posted events, queued
// calls, sockets and Qt's own timers, while what the player does waits: input, close requests
// and the ticks of the timers given to HoldDuringPauses are handled once the outermost wait is
// over, in the order they came.
class EventPause final {
public:
    EventPause();

    // Returns true when End ended the wait, false when `ms` passed first; waits not at all for
    // `ms` <= 0.
    bool Wait(int ms);
    // Ends the running Wait early.
    void End();
    // Ends the running Wait early when `sender` emits `signal`, for as long as this lives.
    template <typename Sender, typename Signal> void EndOn(const Sender* sender, Signal signal) {
        QObject::connect(sender, signal, &loop_, [this] { End(); });
    }

private:
    QEventLoop loop_;
    QTimer deadline_;
};

// A pause of the rules or a frame of an animation: an EventPause of `ms` milliseconds. The
// caller repaints (QWidget::repaint, not update) whatever must be seen during the pause first.
void PauseFor(int ms);

// A pause as the drawing code takes it, so tests can record pauses instead of waiting.
using PauseFunction = std::function<void(int ms)>;

// Ticks of `timer` that come due during a pause are held back: it ticks once after the pause
// if it came due at all. For timers whose handlers must not run in the middle of what paused.
void HoldDuringPauses(QTimer& timer);

// Whether a pause waits now: what its loop handles meanwhile is none of the player's doing.
bool Pausing();

} // namespace cw
