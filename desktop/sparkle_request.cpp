// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/sparkle_request.h"

#include "widgets/event_pause.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
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

bool IdleSparkleSource::eventFilter(QObject*, QEvent*) {
    if (!delivering_ && !Pausing())
        handled_ = true;
    return false;
}

// The request is sent, not posted: a posted event would wake the loop, whose next idle
// moment would bring the next request, and the sparkles would never stop. A pause wakes the
// loop as well once it ends, a sparkle's own frames among them; so a moment counts as idle
// only when the loop has handled an event since the last request, outside any pause.
void IdleSparkleSource::OnAboutToBlock() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || delivering_ || !handled_ || Pausing())
        return;
    handled_ = false;
    delivering_ = true;
    QEvent request(SparkleRequestType());
    QCoreApplication::sendEvent(dialog, &request);
    delivering_ = false;
}

} // namespace cw
