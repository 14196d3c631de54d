// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/host.h"

#include <ostream>

namespace cw {

// A host without a screen: it keeps the timer table and, when tracing, writes every
// operation the rules ask for as one "> ..." line. Pauses return at once.
class TraceHost : public Host {
public:
    explicit TraceHost(std::ostream* trace) : trace_(trace) {}

    void RedrawCell(int cell) override;
    void RefreshCell(int cell, bool jokerInvolved) override;
    void RedrawScore() override;
    void RedrawBest() override;
    void RedrawNext() override;
    void Pause(int milliseconds) override;
    void StartTimer(int id, int milliseconds) override;
    void StopTimer(int id) override;
    void Beep() override;
    void Message(const std::string& text) override;
    void ShowFace(int cell, int face) override;
    void OfferScoreEntry(int level) override;

private:
    template <typename... Parts> void Write(const Parts&... parts);

    std::ostream* trace_;
};

} // namespace cw
