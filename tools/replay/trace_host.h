// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/host.h"

#include <ostream>

namespace cw {

// A host without a screen: when tracing, it writes every operation the rules ask for as one
// "> ..." line. Pauses return at once and timers never fire (a script fires the face timer).
class TraceHost : public Host {
public:
    explicit TraceHost(std::ostream* trace) : trace_(trace) {}

    void RedrawCell(int cell) override { Write("redraw cell ", cell); }
    void RefreshCell(int cell, bool jokerInvolved) override {
        Write("refresh cell ", cell, ' ', jokerInvolved ? 1 : 0);
    }
    void RedrawScore() override { Write("redraw score"); }
    void RedrawBest() override { Write("redraw best"); }
    void RedrawNext() override { Write("redraw next"); }
    void Pause(int milliseconds) override { Write("pause ", milliseconds); }
    void StartTimer(int id, int milliseconds) override {
        Write("timer start ", id, ' ', milliseconds);
    }
    void StopTimer(int id) override { Write("timer stop ", id); }
    void Beep() override { Write("beep"); }
    void Message(const std::string& text) override { Write("message ", text); }
    void ShowFace(int cell, int face) override { Write("face ", cell, ' ', face); }
    void OfferScoreEntry(int level) override { Write("offer ", level); }

private:
    template <typename... Parts> void Write(const Parts&... parts) {
        if (trace_ != nullptr)
            ((*trace_ << "> ") << ... << parts) << '\n';
    }

    std::ostream* trace_;
};

} // namespace cw
