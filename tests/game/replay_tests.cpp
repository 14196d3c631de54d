#include "tools/replay/replay.h"

#include <gtest/gtest.h>

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

TEST(ReplayProgramTest, ReadsAFileAndTracesLikeTheLibrary) {
    const std::filesystem::path script = std::filesystem::path(GOLDEN_DIR) / "faces.script";
    const std::string command = std::string(REPLAY_PROGRAM) + " --trace " + script.string();
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(out, ReadFile(std::filesystem::path(GOLDEN_DIR) / "faces.expected"));
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

TEST(ReplayStateTest, ShowPrintsTheDocumentedKeysInOrder) {
    const RunResult result =
        RunReplay("level 1\nscore 7\nbest 1 9\nnext 7 6 5 4 3\nput 0 1 7 2\nshow\n");
    const std::string& out = result.out;
    EXPECT_EQ(out.rfind("{\"level\":1,\"score\":7,\"phase\":0,\"selected\":-1,\"blink\":0,"
                        "\"next\":[7,6,5,4,3],\"faceTimer\":0,\"cells\":[[0,0,-1],[1,2,7],",
                        0),
              0u);
}

} // namespace
} // namespace cw
