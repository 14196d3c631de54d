// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

namespace cw::test {

// Acts on the modal dialogs that open from here on, one action per dialog in order, each
// polled for at most a few seconds; an action left over when the time runs out is reported
// by pending(). A dialog that an action leaves open stays open.
class ModalScript : public QObject {
public:
    using Action = std::function<void(QWidget*)>;

    explicit ModalScript(std::deque<Action> actions) : actions_(std::move(actions)) {
        connect(&timer_, &QTimer::timeout, this, &ModalScript::Poll);
        timer_.start(10);
    }
    int pending() const { return static_cast<int>(actions_.size()); }

private:
    void Poll() {
        if (++ticks_ > 500 || actions_.empty()) {
            timer_.stop();
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == handled_)
            return;
        handled_ = modal;
        ticks_ = 0;
        const Action action = actions_.front();
        actions_.pop_front();
        action(modal);
    }

    std::deque<Action> actions_;
    QPointer<QWidget> handled_;
    QTimer timer_;
    int ticks_ = 0;
};

} // namespace cw::test
