// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <ostream>

// Readable failure messages for texts and lists of texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Runs `act` on the modal window as soon as one is up; gives up after a few seconds so a
// dialog that never opens cannot hang the test.
inline void WhenModalOpens(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, clock, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->deleteLater();
            poll->stop();
            act(modal);
        } else if (clock->elapsed() > 5000) {
            poll->deleteLater();
            poll->stop();
        }
    });
    poll->start(20);
}
