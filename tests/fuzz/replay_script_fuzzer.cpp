// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a replay script: the driver ends with status 0, or 2 after exactly one
// printable "line N: reason" line, and runs the same way twice; line by line, no command it
// accepts breaks the invariant of the board's cells.
#include "tools/replay/replay.h"

#include <cstdlib>
#include <sstream>
#include <string>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

struct Run {
    int status;
    std::string out;
    std::string err;
};

Run RunOnce(const std::string& script, bool trace) {
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = cw::RunScript(in, out, err, trace);
    return {status, out.str(), err.str()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const bool trace = (data[0] & 1) != 0;
    const std::string script(reinterpret_cast<const char*>(data) + 1, size - 1);
    const Run first = RunOnce(script, trace);
    Check(first.status == 0 || first.status == 2);
    if (first.status == 0) {
        Check(first.err.empty());
    } else {
        Check(first.err.rfind("line ", 0) == 0 && first.err.find('\n') == first.err.size() - 1);
        for (char c : first.err)
            Check(c == '\n' || (c >= 0x20 && c < 0x7F));
    }
    const Run second = RunOnce(script, trace);
    Check(second.status == first.status && second.out == first.out && second.err == first.err);

    std::ostringstream out;
    cw::ReplayRunner runner(out, trace);
    std::istringstream lines(script);
    std::string reason;
    for (std::string line; std::getline(lines, line) && runner.RunLine(line, reason);)
        for (const cw::Cell& cell : runner.game().board.cells)
            Check((cell.state == cw::CellState::Empty) ==
                  (cell.stack == 0 && cell.colour == cw::kNoColour));
    return 0;
}
