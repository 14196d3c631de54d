// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/replay/replay.h"

#include "game/rules.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <sstream>
#include <vector>

namespace cw {
namespace {

constexpr std::size_t kMaxLineLength = 4096;
constexpr std::int64_t kMaxScore = INT32_MAX;

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t end = 0;
    for (std::size_t start; (start = line.find_first_not_of(" \t", end)) != line.npos;) {
        end = std::min(line.find_first_of(" \t", start), line.size());
        fields.push_back(line.substr(start, end - start));
    }
    return fields;
}

// Only printable ASCII of a bad token goes back to the user, and only its start.
std::string Printable(std::string_view token) {
    std::string shown;
    for (char c : token.substr(0, 24))
        shown += (c >= 0x20 && c < 0x7F) ? c : '?';
    return token.size() > 24 ? shown + "..." : shown;
}

// A number is an optional '-' and digits. Leading zeros carry no value, so only the digits
// after them count against the width limit. Returns why the token is no number it takes.
std::string ParseNumber(std::string_view token, std::int64_t& value) {
    const bool negative = token.starts_with('-');
    std::string_view digits = token.substr(negative ? 1 : 0);
    if (digits.empty() || digits.find_first_not_of("0123456789") != digits.npos)
        return "not a number: '" + Printable(token) + "'";
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.size() > 12)
        return "number too large: '" + Printable(token) + "'";
    value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    value = negative ? -value : value;
    return {};
}

// The state as one JSON line, keys in a fixed order.
std::string StateJson(const GameState& game) {
    std::ostringstream json;
    json << "{\"level\":" << game.level << ",\"score\":" << game.score
         << ",\"phase\":" << static_cast<int>(game.phase)
         << ",\"selected\":" << game.selection.cellId << ",\"blink\":" << game.selection.blink
         << ",\"next\":[";
    for (std::size_t slot = 0; slot < game.next.size(); ++slot)
        json << (slot ? "," : "") << game.next[slot];
    json << "],\"faceTimer\":" << (game.faceTimerArmed ? 1 : 0) << ",\"cells\":[";
    for (int index = 0; index < kCellCount; ++index) {
        const Cell& cell = game.board.cells[index];
        json << (index ? "," : "") << '[' << static_cast<int>(cell.state) << ',' << cell.stack
             << ',' << cell.colour << ']';
    }
    json << "]}";
    return json.str();
}

} // namespace

ReplayRunner::ReplayRunner(std::ostream& out, bool trace)
    : host_(trace ? &out : nullptr), out_(out) {}

bool ReplayRunner::RunLine(std::string_view line, std::string& reason) {
    const std::vector<std::string_view> fields = SplitFields(line);
    if (fields.empty() || fields[0].front() == '#')
        return true;
    const std::string_view command = fields[0];

    struct CommandShape {
        std::string_view name;
        std::size_t arity;
    };
    static constexpr CommandShape kCommands[] = {
        {"seed", 1}, {"level", 1}, {"options", 3}, {"score", 1}, {"best", 2}, {"next", kNextSlots},
        {"put", 4},  {"new", 0},   {"click", 2},   {"face", 0},  {"show", 0}};
    const auto shape = std::ranges::find(kCommands, command, &CommandShape::name);
    if (shape == std::end(kCommands)) {
        reason = "unknown command '" + Printable(command) + "'";
        return false;
    }
    if (fields.size() - 1 != shape->arity) {
        reason = '\'' + std::string(command) + "' takes " + std::to_string(shape->arity) +
                 (shape->arity == 1 ? " number" : " numbers") + ", got " +
                 std::to_string(fields.size() - 1);
        return false;
    }
    std::vector<std::int64_t> v(shape->arity);
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (std::string error = ParseNumber(fields[i + 1], v[i]); !error.empty()) {
            reason = error;
            return false;
        }
    }
    const auto check = [&reason](const char* what, std::int64_t value, std::int64_t low,
                                 std::int64_t high) {
        if (value >= low && value <= high)
            return true;
        reason = std::string(what) + ' ' + std::to_string(value) + " out of range " +
                 std::to_string(low) + ".." + std::to_string(high);
        return false;
    };

    if (command == "seed") {
        if (!check("seed", v[0], 0, UINT32_MAX))
            return false;
        SeedRandom(game_.random, static_cast<std::uint32_t>(v[0]));
    } else if (command == "level") {
        if (!check("level", v[0], 0, kLevelCount - 1))
            return false;
        game_.level = static_cast<std::int32_t>(v[0]);
    } else if (command == "options") {
        for (std::int64_t flag : v)
            if (!check("option", flag, 0, 1))
                return false;
        game_.options = {static_cast<std::int32_t>(v[0]), static_cast<std::int32_t>(v[1]),
                         static_cast<std::int32_t>(v[2])};
    } else if (command == "score") {
        if (!check("score", v[0], 0, kMaxScore))
            return false;
        game_.score = static_cast<std::int32_t>(v[0]);
    } else if (command == "best") {
        if (!check("level", v[0], 0, kLevelCount - 1) || !check("score", v[1], 0, kMaxScore))
            return false;
        game_.best[v[0]] = static_cast<std::int32_t>(v[1]);
    } else if (command == "next") {
        for (std::int64_t colour : v)
            if (!check("colour", colour, 0, kJoker))
                return false;
        for (std::size_t slot = 0; slot < game_.next.size(); ++slot)
            game_.next[slot] = static_cast<std::int32_t>(v[slot]);
    } else if (command == "put") {
        if (!check("row", v[0], 0, kBoardSize - 1) || !check("column", v[1], 0, kBoardSize - 1) ||
            !check("colour", v[2], kNoColour, kJoker))
            return false;
        const bool empty = v[2] == kNoColour;
        if (!check("stack", v[3], empty ? 0 : 1, empty ? 0 : kLargestRestingStack))
            return false;
        const int index = CellIndex(static_cast<int>(v[0]), static_cast<int>(v[1]));
        // The rules keep the selected cell a lone ball until the selection ends; a put there
        // would leave them a state no game reaches.
        if (index == game_.selection.cellId) {
            reason = "cell " + std::to_string(v[0]) + " " + std::to_string(v[1]) + " is selected";
            return false;
        }
        Cell& cell = game_.board.cells[static_cast<std::size_t>(index)];
        cell.state = empty ? CellState::Empty : CellState::Occupied;
        cell.colour = static_cast<std::int32_t>(v[2]);
        cell.stack = static_cast<std::int32_t>(v[3]);
    } else if (command == "new") {
        NewCommand(game_, host_);
    } else if (command == "click") {
        if (!check("row", v[0], 0, kBoardSize - 1) || !check("column", v[1], 0, kBoardSize - 1))
            return false;
        OnCellClick(game_, host_, CellIndex(static_cast<int>(v[0]), static_cast<int>(v[1])));
    } else if (command == "face") {
        if (game_.faceTimerArmed)
            OnFaceTimer(game_, host_, true);
    } else {
        out_ << StateJson(game_) << '\n';
    }
    return true;
}

int RunScript(std::istream& in, std::ostream& out, std::ostream& err, bool trace) {
    ReplayRunner runner(out, trace);
    std::string line;
    for (long number = 1;; ++number) {
        line.clear();
        int c = 0;
        while (line.size() <= kMaxLineLength && (c = in.get()) != EOF && c != '\n')
            line += static_cast<char>(c);
        // Refused as soon as it is too long: the rest of such a line may never end.
        const bool tooLong = line.size() > kMaxLineLength;
        if (c == EOF && line.empty())
            return 0;
        if (line.ends_with('\r'))
            line.pop_back();
        std::string reason =
            tooLong ? "line longer than " + std::to_string(kMaxLineLength) + " characters" : "";
        if (tooLong || !runner.RunLine(line, reason)) {
            out.flush();
            err << "line " << number << ": " << reason << '\n';
            return 2;
        }
        if (c == EOF)
            return 0;
    }
}

} // namespace cw
