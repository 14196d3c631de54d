// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace cw {

// While it lives, SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C) run `end`
// on the event loop instead of ending the process at once. A signal that this process was
// started to ignore (nohup) stays ignored. One object at a time.
class TerminationSignals : public QObject {
public:
    explicit TerminationSignals(std::function<void()> end, QObject* parent = nullptr);
    ~TerminationSignals() override;

private:
    const std::function<void()> end_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace cw
