// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/state.h"
#include "tools/replay/trace_host.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace cw {

// Runs replay scripts against one game: one command a line, see the README of the tool.
class ReplayRunner {
public:
    ReplayRunner(std::ostream& out, bool trace);

    // Runs one line; on a bad line returns false with the reason and changes nothing.
    bool RunLine(std::string_view line, std::string& reason);

    const GameState& game() const { return game_; }

private:
    GameState game_;
    TraceHost host_;
    std::ostream& out_;
};

// Runs a whole script; returns the exit status (0, or 2 after "line N: reason" on err).
int RunScript(std::istream& in, std::ostream& out, std::ostream& err, bool trace);

} // namespace cw
