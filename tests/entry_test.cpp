// The entry dialogue as the user meets it: prompts, echoes, re-entries and the
// points where a bad value ends the run.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script_support.h"

namespace traverse {
namespace {

using testing::RunScript;
using testing::ScriptRun;
using testing::TraverseAnswers;

// Index of the confirmation answer of a value in TraverseAnswers::Answers()
// for N = 3: start values 0..5, then per station name, angle, confirmation,
// side, confirmation, then B's name, angle, confirmation.
constexpr std::size_t StartConfirmation(std::size_t value) { return 2 + 2 * value; }
constexpr std::size_t AngleConfirmation(std::size_t k) { return 13 + 5 * (k - 1) + 2; }
constexpr std::size_t SideConfirmation(std::size_t k) { return 13 + 5 * (k - 1) + 4; }
constexpr std::size_t kClosingAngleConfirmation = 13 + 5 * 3 + 2;

struct ReentryRow {
  const char* value;
  std::size_t confirmation;  // answer index
  const char* reentry;
  const char* reconfirmation;
};

const ReentryRow kReentryRows[] = {
    {"Xa", StartConfirmation(0), "输入起始点 A 正确的纵座标 Xa ",
     "这次 A 点的纵座标 Xa 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )"},
    {"Ya", StartConfirmation(1), "输入起始点 A 正确的横座标 Ya ",
     "这次 A 点的横座标 Ya 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )"},
    {"Xb", StartConfirmation(2), "输入起始点 B 正确的纵座标 Xb ",
     "这次 B 点的纵座标 Xb 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )"},
    {"Yb", StartConfirmation(3), "请输入闭合点 B 正确的横座标 Yb ",
     "这次 B 点横座标 Yb 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )"},
    {"Ta", StartConfirmation(4), "输入起始点 A 正确的外方位角 Ta ",
     "这次起始点 A 的外方位角 Ta 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )"},
    {"Tb", StartConfirmation(5), "输入闭合点 B 正确的外方位角 Tb ",
     "这次闭合点 B 的外方位角 Tb 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )"},
    {"A's angle", AngleConfirmation(1), "输入位于 A 点的第 1 个转角正确的数值( 转角为左角 ) :",
     "这次 A 点的转角输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )"},
    {"side 1", SideConfirmation(1), "输入第 1 条观测边长正确的数值 (以米为单位) :",
     "确认这次第 1 条观测边长输入的数值是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )"},
    {"angle 2", AngleConfirmation(2), "输入导线第 2 个转角正确的数值 :",
     "确认这次第 2 个转角的数值输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )"},
    {"side 2", SideConfirmation(2), "输入第 2 条观测边长正确的数值 (以米为单位) :",
     "确认这次第 2 条观测边长的数值输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )"},
    {"angle 3", AngleConfirmation(3), "输入导线第 3 个转角正确的数值 :",
     "确认这次第 3 个转角的数值输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )"},
    // B has no re-confirmation of its own: the same question again.
    {"B's angle", kClosingAngleConfirmation,
     "请输入导线位于闭合点 B 点的第 4 个转角正确的数值 ( 转角为左角 )",
     "确认闭合点 B 点的转角输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )"},
};

TEST(ConfirmedEntry, ZeroLeadsToTheReentryAndReconfirmationTexts) {
  for (const ReentryRow& row : kReentryRows) {
    SCOPED_TRACE(row.value);
    std::vector<std::string> answers = TraverseAnswers{}.Answers();
    const std::string typed = answers[row.confirmation - 1];
    answers[row.confirmation] = "0";
    answers.insert(answers.begin() + static_cast<long>(row.confirmation) + 1, {typed, ""});
    const ScriptRun run = RunScript(answers);
    ASSERT_EQ(run.end, ReplayEnd::kEnd) << run.Failure();
    const std::vector<std::string> prompts = run.Prompts();
    ASSERT_GT(prompts.size(), row.confirmation + 2);
    EXPECT_EQ(prompts[row.confirmation + 1], row.reentry);
    EXPECT_EQ(prompts[row.confirmation + 2], row.reconfirmation);
    // The same data again: the same results.
    EXPECT_EQ(run.Fields().at("Text17"), "1/40207");
  }
}

TEST(ConfirmedEntry, ThreeZerosInARowAskFourTimes) {
  std::vector<std::string> answers = TraverseAnswers{}.Answers();
  const std::size_t c = AngleConfirmation(1);
  answers[c - 1] = "1.0000";
  answers[c] = "0";
  answers.insert(answers.begin() + static_cast<long>(c) + 1,
                 {"2.0000", " 0 ", "3.0000", "-0", "150.2000", ""});
  const ScriptRun run = RunScript(answers);
  ASSERT_EQ(run.end, ReplayEnd::kEnd) << run.Failure();
  std::vector<std::string> text8;
  for (const std::string& l : run.lines) {
    if (l.rfind("field\tText8\t", 0) == 0 && text8.size() < 5) text8.push_back(l.substr(12));
  }
  const std::vector<std::string> expected = {"B0=1.00000", "B0=2.00000", "B0=3.00000",
                                             "B0=150.20000", "B0=150.2000"};
  EXPECT_EQ(text8, expected);
  const std::vector<std::string> prompts = run.Prompts();
  EXPECT_EQ(prompts[c + 1], prompts[c + 3]);  // re-entry, never the first prompt again
  EXPECT_EQ(prompts[c + 2], prompts[c + 4]);
  EXPECT_EQ(run.Fields().at("Text17"), "1/40207");  // the fourth value counts
}

TEST(ConfirmedEntry, NonZeroAnswersAndCancelConfirm) {
  for (const char* answer : {"1", "5", "-3", "0.5", "1e3", "", "１"}) {
    std::vector<std::string> answers = TraverseAnswers{}.Answers();
    answers[StartConfirmation(0)] = answer;
    const ScriptRun run = RunScript(answers);
    EXPECT_EQ(run.end, ReplayEnd::kEnd) << answer << ": " << run.Failure();
    EXPECT_EQ(run.Prompts().size(), 35u) << answer;
  }
}

TEST(ConfirmedEntry, TypedTextIsEchoedAsTyped) {
  TraverseAnswers t;
  t.xa = "1234.0625";
  t.ya = "abc";
  t.xb = "";
  std::vector<std::string> answers = t.Answers();
  const ScriptRun run = RunScript(answers);
  const auto fields = run.Fields();
  EXPECT_EQ(fields.at("Text2"), " 1234.063");
  EXPECT_EQ(fields.at("Text3"), " abc");
  EXPECT_EQ(fields.at("Text4"), " ");
  // Ya is first read as a number in side 1's coordinates, after its side.
  ASSERT_EQ(run.end, ReplayEnd::kFailure);
  EXPECT_EQ(run.lines[run.lines.size() - 2], "field\tText9\tS1=300.000");
  EXPECT_NE(run.Failure().find("Ya"), std::string::npos) << run.Failure();
}

struct FailureRow {
  const char* name;
  std::size_t answer;      // which answer to replace
  const char* typed;       // with this
  const char* lineBefore;  // the event right before the failure
  const char* named;       // what the message names
};

const FailureRow kFailureRows[] = {
    {"N not a number", 0, "abc", "answer\tabc", "N"},
    {"N cancelled", 0, "", "answer\t", "N"},
    {"N not whole", 0, "2.5", "answer\t2.5", "“2.5”"},
    {"N zero", 0, "0", "answer\t0", "N"},
    {"N negative", 0, "-3", "answer\t-3", "N"},
    {"N beyond memory", 0, "1e12", "answer\t1e12", "N"},
    {"Ta", StartConfirmation(4) - 1, "x", "field\tText6\t x", "Ta"},
    {"Tb", StartConfirmation(5) - 1, "x", "field\tText7\t x", "Tb"},
    {"angle at A", AngleConfirmation(1) - 1, "q", "field\tText9\tS1=300.000", "B0"},
    {"angle 2", AngleConfirmation(2) - 1, "q", "field\tText9\tS2=250.500", "B1"},
    {"side 2", SideConfirmation(2) - 1, "s", "field\tText9\tS2=s", "S2"},
    {"B's angle", kClosingAngleConfirmation - 1, "", "field\tText8\tb3=", "b3"},
    {"Xb", StartConfirmation(2) - 1, "?", "field\tText13\t  25秒", "Xb"},
    {"confirmation y", StartConfirmation(0), "y", "answer\ty", "A 点纵座标 Xa 输入是否正确?"},
    {"confirmation of blanks", SideConfirmation(3), "  ", "answer\t  ", "“  ”"},
    {"confirmation 1e400", StartConfirmation(3), "1e400", "answer\t1e400", "溢出"},
};

TEST(FailureRule, EachBadValueFailsWhereItIsFirstUsed) {
  for (const FailureRow& row : kFailureRows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> answers = TraverseAnswers{}.Answers();
    answers[row.answer] = row.typed;
    const ScriptRun run = RunScript(answers);
    ASSERT_EQ(run.end, ReplayEnd::kFailure);
    ASSERT_GE(run.lines.size(), 2u);
    EXPECT_EQ(run.lines.back().rfind("failure\t", 0), 0u);
    EXPECT_EQ(run.lines[run.lines.size() - 2], row.lineBefore);
    EXPECT_NE(run.Failure().find(row.named), std::string::npos) << run.Failure();
  }
}

TEST(FailureRule, BadPointCountWritesNothing) {
  for (const char* n : {"abc", "", "2.5", "0", "-3", "1e12", "1000001"}) {
    const ScriptRun run = RunScript({n});
    ASSERT_EQ(run.lines.size(), 3u) << n;  // prompt, answer, failure
    EXPECT_NE(run.Failure().find("1 到 1000000 之间的整数"), std::string::npos) << run.Failure();
  }
}

TEST(StartData, WholePointCountsInAnyForm) {
  struct Row {
    const char* n;
    const char* text1;
    const char* closingLabel;
  };
  const Row rows[] = {{"3", "本导线含已知点共有4个导线点", "b3="},
                      {"3.0", "本导线含已知点共有4个导线点", "b3.0="},  // N as typed
                      {" 3 ", "本导线含已知点共有4个导线点", "b 3 ="},
                      {"３", "本导线含已知点共有4个导线点", "b３="}};
  for (const Row& row : rows) {
    TraverseAnswers t;
    t.n = row.n;
    const ScriptRun run = RunScript(t.Answers());
    ASSERT_EQ(run.end, ReplayEnd::kEnd) << row.n << run.Failure();
    EXPECT_EQ(run.lines[2], std::string("field\tText1\t") + row.text1);
    EXPECT_EQ(run.Fields().at("Text8"), std::string(row.closingLabel) + "160.00100");
  }
}

// With every value confirmed at once: 13 prompts for N and the start data,
// five per station, three for B, one per listed point.
TEST(StartData, PromptCountGrowsWithN) {
  for (std::size_t n : {1u, 2u, 5u}) {
    TraverseAnswers t;
    t.n = std::to_string(n);
    t.names.assign(n + 1, "P");
    t.angles.assign(n + 1, "180");
    t.sides.assign(n, "100");
    t.xb = std::to_string(1000 - 100 * static_cast<int>(n));
    t.ta = "0";
    t.tb = "180";
    const ScriptRun run = RunScript(t.Answers());
    ASSERT_EQ(run.end, ReplayEnd::kEnd) << n << run.Failure();
    EXPECT_EQ(run.Prompts().size(), 13 + 5 * n + 3 + (n + 1)) << n;
  }
}

TEST(ObservationEntry, PointNamesAreKeptAsTyped) {
  TraverseAnswers t;
  t.names = {"007", "", " P 7 ", "B"};
  const ScriptRun run = RunScript(t.Answers());
  ASSERT_EQ(run.end, ReplayEnd::kEnd);
  std::vector<std::string> text10;
  for (const std::string& l : run.lines) {
    if (l.rfind("field\tText10\t", 0) == 0) text10.push_back(l.substr(13));
  }
  const std::vector<std::string> expected = {"  007", "  ", "   P 7 ", "  B", "",
                                             "  007", "  ", "   P 7 ", "  B"};
  EXPECT_EQ(text10, expected);
}

}  // namespace
}  // namespace traverse
