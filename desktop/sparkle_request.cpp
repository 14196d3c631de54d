// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/sparkle_request.h"

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
}

// The request is sent, not posted: a posted event would wake the loop, whose next idle
// moment would bring the next request, and the sparkles would never stop.
void IdleSparkleSource::OnAboutToBlock() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || delivering_)
        return;
    delivering_ = true;
    QEvent request(SparkleRequestType());
    QCoreApplication::sendEvent(dialog, &request);
    delivering_ = false;
}

} // namespace cw
