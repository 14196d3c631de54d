// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/termination_signals.h"

#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace cw {
namespace {

constexpr std::array kTerminationSignals{SIGTERM, SIGHUP, SIGINT};
// The handler writes to the first, the event loop reads the second.
int signalSockets[2] = {-1, -1};
std::array<bool, kTerminationSignals.size()> handled{};

// Only async-signal-safe calls here. A full socket holds a request already, so a byte that
// does not fit is not missed.
void OnTerminationSignal(int number) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    send(signalSockets[0], &byte, 1, MSG_DONTWAIT | MSG_NOSIGNAL);
    errno = savedErrno;
}

void SetAction(int number, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(number, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> end, QObject* parent)
    : QObject(parent), end_(std::move(end)) {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalSockets) != 0) {
        qWarning("cobblewell: no socket for the termination signals (%s); they end the game "
                 "at once",
                 std::strerror(errno));
        return;
    }
    notifier_ = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (read(signalSockets[1], bytes, sizeof bytes) > 0) {
        }
        end_();
    });
    for (std::size_t i = 0; i < kTerminationSignals.size(); ++i) {
        struct sigaction previous {};
        sigaction(kTerminationSignals[i], nullptr, &previous);
        handled[i] = previous.sa_handler != SIG_IGN;
        if (handled[i])
            SetAction(kTerminationSignals[i], &OnTerminationSignal);
    }
}

TerminationSignals::~TerminationSignals() {
    if (notifier_ == nullptr)
        return;
    for (std::size_t i = 0; i < kTerminationSignals.size(); ++i) {
        if (handled[i])
            SetAction(kTerminationSignals[i], SIG_DFL);
    }
    delete notifier_;
    close(signalSockets[0]);
    close(signalSockets[1]);
}

} // namespace cw
