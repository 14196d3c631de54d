// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/sparkle_request.h"

#include "widgets/event_pause.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace cw {

QEvent::Type SparkleRequestType() {
    // The private message number of old, when it is free.
    static const auto type =
        static_cast<QEvent::Type>(QEvent::registerEventType(QEvent::User + 513));
    return type;
}

IdleSparkleSource::IdleSparkleSource(QObject* parent) : QObject(parent) {
    if (auto* dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &IdleSparkleSource::OnAboutToBlock);
    QCoreApplication::instance()->installEventFilter(this);
}

// What the loop handles for the source itself, or for a sparkle, or during a pause, is no
// news: counted, each sparkle would bring the next, for ever.
bool IdleSparkleSource::eventFilter(QObject* watched, QEvent*) {
    if (watched != this && !delivering_ && !Pausing())
        handled_ = true;
    return false;
}

// A moment counts as idle only when the loop has handled something since the last request.
// The request goes out from the loop's next pass rather than from here: a sparkle waits in
// pauses, and a local event loop run before the pass has begun (Qt 6.4's xcb and GLib
// dispatcher) leaves the window system's input that waited for it unread until some other
// event comes.
void IdleSparkleSource::OnAboutToBlock() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || delivering_ || !handled_ || Pausing())
        return;
    handled_ = false;
    QMetaObject::invokeMethod(
        this, [this, dialog = QPointer<QWidget>(dialog)] { Deliver(dialog); },
        Qt::QueuedConnection);
}

// Sent, not posted, so that the sparkle plays while the source knows it is delivering.
void IdleSparkleSource::Deliver(QWidget* dialog) {
    if (dialog == nullptr || dialog != QApplication::activeModalWidget())
        return;
    delivering_ = true;
    QEvent request(SparkleRequestType());
    QCoreApplication::sendEvent(dialog, &request);
    delivering_ = false;
}

} // namespace cw
