// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/event_pause.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QTimerEvent>
#include <QWidget>

#include <optional>

namespace cw {
namespace {

constexpr int kDeadlinePassed = 0;
constexpr int kEndedEarly = 1;

int depth = 0;
QList<QPointer<QTimer>> heldTimers;

// Closes the windows once the input that waited with them has been handled: that input comes
// in the loop's next pass, after the first call; the second, queued from there, after it.
void CloseBehindTheInput(const QList<QPointer<QWidget>>& windows) {
    const auto close = [windows] {
        for (const QPointer<QWidget>& window : windows) {
            if (window != nullptr)
                window->close();
        }
    };
    QMetaObject::invokeMethod(
        qApp, [close] { QMetaObject::invokeMethod(qApp, close, Qt::QueuedConnection); },
        Qt::QueuedConnection);
}

// Watches the application while the outermost pause waits. Run with user input excluded, the
// loop leaves the window system's input and (on X11) its close request queued by itself; what
// reaches objects by other ways is held here: the ticks of held timers, and close requests that
// Wayland delivers anyway or that the program makes itself.
class HeldEvents final : public QObject {
public:
    HeldEvents() { QCoreApplication::instance()->installEventFilter(this); }

    // Each held timer that came due ticks once; each held close is made again.
    void Release() {
        QCoreApplication::instance()->removeEventFilter(this);
        for (const QPointer<QTimer>& timer : std::as_const(due_)) {
            if (timer != nullptr && timer->isActive())
                QCoreApplication::postEvent(timer, new QTimerEvent(timer->timerId()));
        }
        if (!closing_.isEmpty())
            CloseBehindTheInput(closing_);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer)
            return HoldTick(qobject_cast<QTimer*>(watched));
        if (event->type() == QEvent::Close && watched->isWidgetType())
            return HoldClose(static_cast<QWidget*>(watched), *event);
        return false;
    }

private:
    bool HoldTick(QTimer* timer) {
        if (timer == nullptr || !heldTimers.contains(timer))
            return false;
        if (!due_.contains(timer))
            due_.append(timer);
        return true;
    }

    // A dialog that ends itself (done, accept, reject) closes through a close event of its own
    // too; held, it would come back as a request to close and end the dialog rejected.
    bool HoldClose(QWidget* window, QEvent& close) {
        if (!window->isWindow() || (!close.spontaneous() && qobject_cast<QDialog*>(window)))
            return false;
        // Refused, so the window stays open until the close is made again.
        close.ignore();
        if (!closing_.contains(window))
            closing_.append(window);
        return true;
    }

    QList<QPointer<QTimer>> due_;
    QList<QPointer<QWidget>> closing_;
};

} // namespace

EventPause::EventPause() {
    deadline_.setSingleShot(true);
    // A traced move lasts the sum of its pauses; coarse timers may end each 5 % early or late.
    deadline_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline_, &QTimer::timeout, &loop_, [this] { loop_.exit(kDeadlinePassed); });
}

bool EventPause::Wait(int ms) {
    if (ms <= 0)
        return false;
    std::optional<HeldEvents> held;
    if (depth++ == 0)
        held.emplace();
    deadline_.start(ms);
    const bool endedEarly = loop_.exec(QEventLoop::ExcludeUserInputEvents) == kEndedEarly;
    deadline_.stop();
    if (--depth == 0)
        held->Release();
    // The input that xcb set aside is only looked at again when the loop wakes, which nothing
    // else may bring about for a long time.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
    return endedEarly;
}

void EventPause::End() {
    loop_.exit(kEndedEarly);
}

void PauseFor(int ms) {
    EventPause().Wait(ms);
}

void HoldDuringPauses(QTimer& timer) {
    heldTimers.removeAll(nullptr);
    heldTimers.append(&timer);
}

bool Pausing() {
    return depth > 0;
}

} // namespace cw
