// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/replay/trace_host.h"

namespace cw {

template <typename... Parts> void TraceHost::Write(const Parts&... parts) {
    if (trace_ == nullptr)
        return;
    *trace_ << "> ";
    ((*trace_ << parts), ...);
    *trace_ << '\n';
}

void TraceHost::RedrawCell(int cell) {
    Write("redraw cell ", cell);
}
void TraceHost::RefreshCell(int cell, bool jokerInvolved) {
    Write("refresh cell ", cell, ' ', jokerInvolved ? 1 : 0);
}
void TraceHost::RedrawScore() {
    Write("redraw score");
}
void TraceHost::RedrawBest() {
    Write("redraw best");
}
void TraceHost::RedrawNext() {
    Write("redraw next");
}
void TraceHost::Pause(int milliseconds) {
    Write("pause ", milliseconds);
}
void TraceHost::StartTimer(int id, int milliseconds) {
    Write("timer start ", id, ' ', milliseconds);
}
void TraceHost::StopTimer(int id) {
    Write("timer stop ", id);
}
void TraceHost::Beep() {
    Write("beep");
}
void TraceHost::Message(const std::string& text) {
    Write("message ", text);
}
void TraceHost::ShowFace(int cell, int face) {
    Write("face ", cell, ' ', face);
}
void TraceHost::OfferScoreEntry(int level) {
    Write("offer ", level);
}

} // namespace cw
