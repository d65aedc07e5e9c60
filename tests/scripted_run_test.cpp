// Whole runs through the scripted boundary, and traverse-replay itself.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "script_support.h"

namespace traverse {
namespace {

using testing::RunScript;
using testing::ScriptRun;
using testing::TraverseAnswers;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

const std::string kData = TRAVERSE_TEST_DATA_DIR;

struct Golden {
  const char* name;
};

// Transcripts checked line by line by hand against the prompts, echoes and
// results the program must show.
TEST(Replay, GoldenTranscripts) {
  for (const char* name : {"station-example", "single-side", "reentry-and-early-end"}) {
    SCOPED_TRACE(name);
    std::ifstream answers(kData + "/" + name + ".answers", std::ios::binary);
    ASSERT_TRUE(answers) << name;
    std::ostringstream out;
    const ReplayEnd end = Replay(answers, out);
    EXPECT_EQ(end, ReplayEnd::kEnd);
    EXPECT_EQ(out.str(), ReadFile(kData + "/" + name + ".transcript"));
  }
}

TEST(Replay, EscapesInsideTexts) {
  EXPECT_EQ(EscapeTranscriptText("a\\b\tc\nd\re"), "a\\\\b\\tc\\nd\\re");
  EXPECT_EQ(EscapeTranscriptText("无转义"), "无转义");

  // A point name with a tab and a trailing carriage return of its own.
  TraverseAnswers t;
  t.names[1] = "P\t1\\x\r";
  std::vector<std::string> answers = t.Answers();
  std::string script;
  for (const std::string& a : answers) script += a + "\r\n";  // CRLF script
  std::istringstream in(script);
  std::ostringstream out;
  ASSERT_EQ(Replay(in, out), ReplayEnd::kEnd);
  EXPECT_NE(out.str().find("answer\tP\\t1\\\\x\\r\n"), std::string::npos);
  EXPECT_NE(out.str().find("field\tText10\t  P\\t1\\\\x\\r\n"), std::string::npos);
}

TEST(Replay, AnswersRunningOutEndAtThePrompt) {
  std::istringstream in("3\n1000\n");
  std::ostringstream out;
  EXPECT_EQ(Replay(in, out), ReplayEnd::kAnswersRanOut);
  EXPECT_EQ(ExitStatus(ReplayEnd::kAnswersRanOut), 3);
  const std::string t = out.str();
  const std::string lastLine = t.substr(t.rfind('\n', t.size() - 2) + 1);
  EXPECT_EQ(lastLine.rfind("prompt\t", 0), 0u) << lastLine;
  EXPECT_EQ(ExitStatus(ReplayEnd::kEnd), 0);
  EXPECT_EQ(ExitStatus(ReplayEnd::kFailure), 0);
}

int RunReplayTool(const std::string& args, const std::string& outFile) {
  const std::string command = std::string(TRAVERSE_REPLAY) + " " + args + " > " + outFile + " 2>/dev/null";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ReplayTool, FileStdinAndExitStatus) {
  const std::string out = ::testing::TempDir() + "replay-out.txt";
  EXPECT_EQ(RunReplayTool(kData + "/station-example.answers", out), 0);
  EXPECT_EQ(ReadFile(out), ReadFile(kData + "/station-example.transcript"));
  EXPECT_EQ(RunReplayTool("< " + kData + "/station-example.answers", out), 0);
  EXPECT_EQ(ReadFile(out), ReadFile(kData + "/station-example.transcript"));
  EXPECT_EQ(RunReplayTool("/nonexistent/answers", out), 2);
  EXPECT_EQ(RunReplayTool("< /dev/null", out), 3);
  EXPECT_EQ(ReadFile(out).rfind("prompt\t", 0), 0u);
}

// The answer to the listing prompt: zero ends the listing, anything else
// (Cancel included) shows the point.
TEST(Listing, ZeroEndsTheListing) {
  std::vector<std::string> answers = TraverseAnswers{}.Answers();
  answers[answers.size() - 3] = " 0.0 ";  // the prompt before P1
  const ScriptRun run = RunScript(answers);
  ASSERT_EQ(run.end, ReplayEnd::kEnd);
  EXPECT_EQ(run.Prompts().size(), 33u);
  const auto fields = run.Fields();
  EXPECT_EQ(fields.at("Text10"), "  A");
  EXPECT_EQ(fields.at("Text11"), "1000.000");
  EXPECT_EQ(fields.at("Text16"), "830.75米");
  EXPECT_EQ(fields.at("Text17"), "1/40207");
  const std::size_t n = run.lines.size();
  EXPECT_EQ(run.lines[n - 3], "field\tText16\t830.75米");  // at once after the 0

  for (const char* other : {"1", "abc", "1e400", ""}) {
    answers = TraverseAnswers{}.Answers();
    answers[answers.size() - 3] = other;
    EXPECT_EQ(RunScript(answers).Fields().at("Text10"), "  B") << other;
  }
}

// The closing direction lies just east of north, the known one just west.
TEST(WholeRun, AzimuthClosureAcrossNorth) {
  TraverseAnswers t;
  t.n = "1";
  t.xa = "0", t.ya = "0";
  t.ta = "180";  // arrives heading north
  t.names = {"A", "B"};
  t.angles = {"180", "180.0005"};
  t.sides = {"100"};
  t.tb = "359.5955";  // known: 359°59'55", computed 0°00'05"
  t.xb = "100", t.yb = "0";
  const ScriptRun run = RunScript(t.Answers());
  ASSERT_EQ(run.end, ReplayEnd::kEnd) << run.Failure();
  EXPECT_EQ(run.Fields().at("Text13"), "  10秒");
}

TEST(WholeRun, ExactClosureShowsInfiniteM) {
  TraverseAnswers t;
  t.n = "2";
  t.xa = "0", t.ya = "0", t.ta = "180", t.tb = "0";
  t.names = {"A", "P", "B"};
  t.angles = {"180", "180", "180"};
  t.sides = {"100", "200"};
  t.xb = "300", t.yb = "0";
  const ScriptRun run = RunScript(t.Answers());
  ASSERT_EQ(run.end, ReplayEnd::kEnd) << run.Failure();
  const auto fields = run.Fields();
  EXPECT_EQ(fields.at("Text14"), "0.00毫米");
  EXPECT_EQ(fields.at("Text16"), "300米");
  EXPECT_EQ(fields.at("Text17"), "1/∞");
}

TEST(WholeRun, ZeroTotalLengthFailsBeforeTheListing) {
  TraverseAnswers t;
  t.sides = {"0", "0.0", "-0"};
  const ScriptRun run = RunScript(t.Answers());
  ASSERT_EQ(run.end, ReplayEnd::kFailure);
  EXPECT_EQ(run.lines[run.lines.size() - 2].rfind("field\tText15\t", 0), 0u);
  EXPECT_NE(run.Failure().find("除数为零"), std::string::npos);
  EXPECT_EQ(run.Fields().count("Text11"), 0u);
}

}  // namespace
}  // namespace traverse
