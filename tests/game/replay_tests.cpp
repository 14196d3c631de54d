// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/replay/replay.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace cw {
namespace {

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

RunResult RunReplay(const std::string& script, bool trace = false) {
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = RunScript(in, out, err, trace);
    return {status, out.str(), err.str()};
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Each golden script's expectation was worked out by hand from the rules and the
// generator's draws; the comments in the scripts show the arithmetic.
TEST(GoldenReplayTest, ScriptsProduceTheirWorkedOutOutput) {
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GOLDEN_DIR)) {
        if (entry.path().extension() != ".script")
            continue;
        const std::string script = ReadFile(entry.path());
        const bool trace = script.rfind("# trace\n", 0) == 0;
        std::filesystem::path expected = entry.path();
        expected.replace_extension(".expected");
        const RunResult result = RunReplay(script, trace);
        EXPECT_EQ(result.status, 0) << entry.path() << ": " << result.err;
        EXPECT_EQ(result.out, ReadFile(expected)) << entry.path();
        ++checked;
    }
    EXPECT_GE(checked, 4);
}

struct ProgramResult {
    int status;
    std::string output; // standard output and error together
};

// Bounded by `timeout`, so a driver that blocks fails the test (status 124) instead of hanging it.
ProgramResult RunProgram(const std::string& arguments) {
    const std::string command = "timeout 10 " + std::string(REPLAY_PROGRAM) + " " + arguments;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {-1, {}};
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST(ReplayProgramTest, ReadsAFileAndTracesLikeTheLibrary) {
    const std::filesystem::path script = std::filesystem::path(GOLDEN_DIR) / "faces.script";
    const ProgramResult result = RunProgram("--trace " + script.string());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, ReadFile(std::filesystem::path(GOLDEN_DIR) / "faces.expected"));
}

// A folder once read as an empty script (status 0), a pipe blocked at open and /dev/zero never
// ended; on standard input an endless line is refused once it is too long.
TEST(ReplayProgramTest, RefusesScriptsThatAreNoRegularFileWithoutBlocking) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("replay-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path pipe = folder / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& script : {folder.string(), pipe.string(), std::string("/dev/zero")}) {
        const ProgramResult result = RunProgram(script + " 2>&1");
        EXPECT_EQ(result.status, 2) << script;
        EXPECT_EQ(result.output, "cobblewell-replay: not a regular file: " + script + "\n");
    }
    std::filesystem::remove_all(folder);

    const ProgramResult endless = RunProgram("< /dev/zero 2>&1");
    EXPECT_EQ(endless.status, 2);
    EXPECT_EQ(endless.output, "line 1: line longer than 4096 characters\n");
}

TEST(ReplayErrorTest, BadLineStopsWithItsNumberAfterRunningTheLinesBefore) {
    const RunResult result = RunReplay("seed 3\n\n# comment\nscore 12\nshow\nwobble 1\nshow\n");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "line 6: unknown command 'wobble'\n");
    EXPECT_NE(result.out.find("\"score\":12"), std::string::npos);
    EXPECT_EQ(result.out.find('\n'), result.out.size() - 1); // the second show never ran
}

TEST(ReplayErrorTest, MalformedAndOutOfRangeFields) {
    const std::pair<const char*, const char*> cases[] = {
        {"seed\n", "line 1: 'seed' takes 1 number, got 0\n"},
        {"new 1\n", "line 1: 'new' takes 0 numbers, got 1\n"},
        {"put 1 2 3\n", "line 1: 'put' takes 4 numbers, got 3\n"},
        {"seed 4294967296\n", "line 1: seed 4294967296 out of range 0..4294967295\n"},
        {"seed -1\n", "line 1: seed -1 out of range 0..4294967295\n"},
        {"score 99999999999999999999\n", "line 1: number too large: '99999999999999999999'\n"},
        {"level 3\n", "line 1: level 3 out of range 0..2\n"},
        {"options 1 2 1\n", "line 1: option 2 out of range 0..1\n"},
        {"next 0 1 2 3 8\n", "line 1: colour 8 out of range 0..7\n"},
        {"put 9 0 1 1\n", "line 1: row 9 out of range 0..8\n"},
        {"put 0 0 -1 1\n", "line 1: stack 1 out of range 0..0\n"},
        {"put 0 0 2 0\n", "line 1: stack 0 out of range 1..4\n"},
        {"put 0 0 2 5\n", "line 1: stack 5 out of range 1..4\n"},
        {"put 0 0 -2 0\n", "line 1: colour -2 out of range -1..7\n"},
        {"click 0 x1\n", "line 1: not a number: 'x1'\n"},
        {"best 1 +5\n", "line 1: not a number: '+5'\n"},
        {"seed 00000000000004294967296\n", "line 1: seed 4294967296 out of range 0..4294967295\n"},
        {"score 0001000000000000\n", "line 1: number too large: '0001000000000000'\n"},
        {"level -\n", "line 1: not a number: '-'\n"},
        {"new\nput 0 0 0 1\nclick 0 0\nput 0 0 -1 0\n", "line 4: cell 0 0 is selected\n"},
    };
    for (const auto& [script, message] : cases) {
        const RunResult result = RunReplay(script);
        EXPECT_EQ(result.status, 2) << script;
        EXPECT_EQ(result.err, message) << script;
    }
}

TEST(ReplayErrorTest, HostileInputNeverCrashesOrHangs) {
    EXPECT_EQ(RunReplay("").status, 0);
    EXPECT_EQ(RunReplay("\n\n   \t\n").status, 0);
    EXPECT_FALSE(RunReplay("show").out.empty()); // no final newline
    EXPECT_EQ(RunReplay("show\r\n").status, 0);

    const RunResult longLine = RunReplay(std::string(1 << 20, 'x') + "\nshow\n");
    EXPECT_EQ(longLine.status, 2);
    EXPECT_EQ(longLine.err, "line 1: line longer than 4096 characters\n");

    std::string garbage;
    for (int i = 0; i < 5000; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    const RunResult binary = RunReplay(garbage);
    EXPECT_EQ(binary.status, 2);
    for (char c : binary.err)
        EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << "raw byte echoed";

    // Clicks and ticks before the first game are ignored.
    EXPECT_EQ(RunReplay("click 4 4\nface\nclick 4 4\nshow\n").status, 0);
}

// Leading zeros do not count against the width of a number: any value in range is taken.
TEST(ReplayStateTest, ShowPrintsTheDocumentedKeysInOrder) {
    const RunResult result = RunReplay("level 00000000000000000001\nscore 7\nbest 1 9\n"
                                       "next 7 6 5 4 3\nput 0 00000000000001 7 000000000000002\n"
                                       "show\n");
    const std::string& out = result.out;
    EXPECT_EQ(out.rfind("{\"level\":1,\"score\":7,\"phase\":0,\"selected\":-1,\"blink\":0,"
                        "\"next\":[7,6,5,4,3],\"faceTimer\":0,\"cells\":[[0,0,-1],[1,2,7],",
                        0),
              0u);
}

} // namespace
} // namespace cw
