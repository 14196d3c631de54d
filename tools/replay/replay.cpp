// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/replay/replay.h"

#include "game/rules.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <sstream>
#include <vector>

namespace cw {
namespace {

constexpr std::size_t kMaxLineLength = 4096;
constexpr std::int64_t kMaxScore = INT32_MAX;

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
            ++pos;
        const std::size_t start = pos;
        while (pos < line.size() && line[pos] != ' ' && line[pos] != '\t')
            ++pos;
        if (pos > start)
            fields.push_back(line.substr(start, pos - start));
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

// Leading zeros carry no value, so only the digits after them count against the width limit.
std::optional<std::int64_t> ParseNumber(std::string_view token) {
    const bool negative = !token.empty() && token.front() == '-';
    std::string_view digits = token.substr(negative ? 1 : 0);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.size() > 12)
        return std::nullopt;
    std::int64_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return negative ? -value : value;
}

bool LooksNumeric(std::string_view token) {
    if (!token.empty() && token.front() == '-')
        token.remove_prefix(1);
    return !token.empty() && token.find_first_not_of("0123456789") == std::string_view::npos;
}

struct Arguments {
    std::vector<std::int64_t> values;
    std::string error;
};

Arguments ParseArguments(const std::vector<std::string_view>& fields, std::size_t expected) {
    Arguments args;
    if (fields.size() - 1 != expected) {
        std::ostringstream reason;
        reason << "'" << fields[0] << "' takes " << expected
               << (expected == 1 ? " number" : " numbers") << ", got " << fields.size() - 1;
        args.error = reason.str();
        return args;
    }
    for (std::size_t i = 1; i < fields.size(); ++i) {
        const auto value = ParseNumber(fields[i]);
        if (!value) {
            args.error = (LooksNumeric(fields[i]) ? "number too large: '" : "not a number: '") +
                         Printable(fields[i]) + "'";
            return args;
        }
        args.values.push_back(*value);
    }
    return args;
}

bool InRange(std::int64_t value, std::int64_t low, std::int64_t high) {
    return value >= low && value <= high;
}

std::string RangeError(const char* what, std::int64_t value, std::int64_t low, std::int64_t high) {
    std::ostringstream reason;
    reason << what << ' ' << value << " out of range " << low << ".." << high;
    return reason.str();
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
    const CommandShape* shape = nullptr;
    for (const CommandShape& candidate : kCommands)
        if (candidate.name == command)
            shape = &candidate;
    if (shape == nullptr) {
        reason = "unknown command '" + Printable(command) + "'";
        return false;
    }
    const Arguments args = ParseArguments(fields, shape->arity);
    if (!args.error.empty()) {
        reason = args.error;
        return false;
    }
    const std::vector<std::int64_t>& v = args.values;
    auto check = [&reason](const char* what, std::int64_t value, std::int64_t low,
                           std::int64_t high) {
        if (InRange(value, low, high))
            return true;
        reason = RangeError(what, value, low, high);
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
        Show();
    }
    return true;
}

void ReplayRunner::Show() {
    out_ << StateJson(game_) << '\n';
}

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
        if (c == EOF && line.empty() && !tooLong)
            return 0;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string reason;
        if (tooLong)
            reason = "line longer than " + std::to_string(kMaxLineLength) + " characters";
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
