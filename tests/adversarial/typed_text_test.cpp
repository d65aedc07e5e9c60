// Texts of any kind and length where the run takes a text: point names,
// typed values, confirmation and listing answers.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recorded_run.h"

namespace traverse::adversarial {
namespace {

using namespace std::string_literals;

struct NameRow {
  const char* label;
  std::string name;
};

// Names are never read as numbers: any bytes at all are a name.
const NameRow kNames[] = {
    {"tabs", "\tP\t7\t"},
    {"emoji", "😀测点🚩"},
    {"right-to-left", "\u202Eنقطة\u202C נקודה"},
    {"invalid UTF-8", "\xFF\xFE\x80P"},
    {"cut UTF-8 sequence", "P\xE6\xB5"},
    {"NUL byte", "P\0Q"s},
    {"line breaks", "P\r\nQ\n"},
    {"blanks only", "   "},
    {"empty", ""},
    {"looks like a number", "007"},
    {"beyond a double", "1e400"},
    {"ten thousand characters", std::string(10000, 'N')},
};

TEST(PointNames, AnyTextIsANameShownAsTypedAndTheResultsStand) {
  for (const NameRow& row : kNames) {
    SCOPED_TRACE(row.label);
    Traverse t = StationExample();
    const std::vector<std::string> names = {row.name + "A", row.name, "1" + row.name,
                                            row.name + "B"};
    for (std::size_t k = 0; k < 3; ++k) t.stations[k].name = names[k];
    t.closingName = names[3];
    const RecordedRun run = RunAnswers(t.Answers());
    ExpectStationExampleResults(run);
    // Each name at its entry, the blank after B's angle, each name in the listing.
    std::vector<std::string> expected;
    for (const std::string& n : names) expected.push_back("  " + n);
    expected.push_back("");
    for (const std::string& n : names) expected.push_back("  " + n);
    EXPECT_EQ(run.History(Field::Text10), expected);
  }
}

TEST(LongAnswers, NumbersOfThousandsOfCharactersCountAsTheirValue) {
  Traverse t = StationExample();
  t.xa = "1000." + std::string(5000, '0');
  t.ya = std::string(5000, '0') + "2000";
  t.stations[0].side = "300." + std::string(5000, '0') + "1";  // the nearest double is 300
  t.stations[1].angle = "200.1015" + std::string(5000, '0');
  t.closingAngle = "１６０．００１０" + std::string(3000, '0');
  std::vector<std::string> answers = t.Answers();
  answers[kXaAnswer + 1] = std::string(5000, '0');  // a long zero: Xa again
  answers.insert(answers.begin() + kXaAnswer + 2, {t.xa, "1" + std::string(300, '0')});
  const RecordedRun run = RunAnswers(answers);
  ExpectStationExampleResults(run);
  EXPECT_EQ(run.Last(Field::Text2), " 1000.000");
  EXPECT_EQ(run.Last(Field::Text3), " 2000.000");
  EXPECT_EQ(run.History(Field::Text9)[0], "S1=300.000");
}

struct LongFailureRow {
  const char* label;
  std::size_t answer;  // which answer of the N = 1 traverse is replaced
  std::string typed;
  Field echoField;
  std::string echo;
  std::string messageStart;
};

const std::string kForty(40, 'x');
const std::string kTooLong = "1" + std::string(5000, '0');

const LongFailureRow kLongFailures[] = {
    {"Xa of letters", kXaAnswer, std::string(5000, 'x'), Field::Text2, " " + std::string(5000, 'x'),
     "类型不匹配：起始点 A 的纵座标 Xa应为数值，输入的却是“" + kForty + "…”。"},
    {"side beyond a double", kFirstStationAnswer + 3, kTooLong, Field::Text9, "S1=" + kTooLong,
     "溢出：第 1 条观测边长 S1的输入“1" + std::string(39, '0') + "…”超出了双精度数的范围。"},
    {"confirmation of letters", kXaAnswer + 1, std::string(5000, 'x'), Field::Text2, " 1000.000",
     "类型不匹配：对确认提示“A 点纵座标 Xa 输入是否正确?”的回答“" + kForty + "…”既不是空白也不是数值"},
};

TEST(LongAnswers, AFailureQuotesOnlyTheStartOfAnAnswerOfThousandsOfCharacters) {
  for (const LongFailureRow& row : kLongFailures) {
    SCOPED_TRACE(row.label);
    std::vector<std::string> answers = Traverse().Answers();
    answers[row.answer] = row.typed;
    const RecordedRun run = RunAnswers(answers);
    EXPECT_EQ(run.end, RunEnd::kFailure);
    EXPECT_EQ(run.failure.rfind(row.messageStart, 0), 0u) << run.failure;
    EXPECT_LT(run.failure.size(), 600u);
    EXPECT_EQ(run.Last(row.echoField), row.echo);
  }
}

// N may be typed as a long text that still reads as a whole number; B's echo
// label keeps it as typed, but a failure message must stay readable.
TEST(LongAnswers, AFailureAtBStaysShortWhenNWasTypedLong) {
  const std::string longOne = "1." + std::string(5000, '0');
  Traverse t;
  t.n = longOne;
  t.closingAngle = "abc";
  const RecordedRun run = RunAnswers(t.Answers());
  EXPECT_EQ(run.end, RunEnd::kFailure);
  EXPECT_EQ(run.Last(Field::Text8), "b" + longOne + "=abc");
  EXPECT_EQ(run.failure.rfind("类型不匹配：闭合点 B 的转角 b1", 0), 0u) << run.failure.substr(0, 80);
  EXPECT_LT(run.failure.size(), 600u);
}

enum class Verdict { kConfirmed, kWrong, kTypeMismatch, kOverflow };

struct ConfirmationRow {
  std::string answer;
  Verdict verdict;
};

// Empty or a non-zero number confirms, a number that reads as zero asks
// again, anything else ends the run.
const ConfirmationRow kConfirmations[] = {
    {"", Verdict::kConfirmed},         {"1", Verdict::kConfirmed},
    {"-3", Verdict::kConfirmed},       {"0.5", Verdict::kConfirmed},
    {"1e3", Verdict::kConfirmed},      {"１", Verdict::kConfirmed},
    {"1e-300", Verdict::kConfirmed},   {"0", Verdict::kWrong},
    {" 0 ", Verdict::kWrong},          {"00", Verdict::kWrong},
    {"-0", Verdict::kWrong},           {"0.0", Verdict::kWrong},
    {"０", Verdict::kWrong},           {"0e999", Verdict::kWrong},
    {"1e-400", Verdict::kWrong},  // the nearest double is zero
    {"y", Verdict::kTypeMismatch},     {"yes", Verdict::kTypeMismatch},
    {"Y", Verdict::kTypeMismatch},     {" ", Verdict::kTypeMismatch},
    {"\t", Verdict::kTypeMismatch},    {"1,0", Verdict::kTypeMismatch},
    {"0x0", Verdict::kTypeMismatch},   {"确定", Verdict::kTypeMismatch},
    {"\xFF", Verdict::kTypeMismatch},  {"1e400", Verdict::kOverflow},
};

TEST(ConfirmationAnswers, EachAnswerConfirmsAsksAgainOrEndsTheRun) {
  for (const ConfirmationRow& row : kConfirmations) {
    SCOPED_TRACE("confirmation answered [" + row.answer + "]");
    std::vector<std::string> answers = Traverse().Answers();
    answers[kXaAnswer + 1] = row.answer;
    if (row.verdict == Verdict::kWrong) {
      answers.insert(answers.begin() + kXaAnswer + 2, {"1000", ""});
    }
    const RecordedRun run = RunAnswers(answers);
    switch (row.verdict) {
      case Verdict::kConfirmed:
        EXPECT_EQ(run.promptLog.at(kXaAnswer + 2), "请输入起始点 A 的横座标 Ya ");
        EXPECT_EQ(run.end, RunEnd::kEnd) << run.failure;
        break;
      case Verdict::kWrong:
        EXPECT_EQ(run.promptLog.at(kXaAnswer + 2), "输入起始点 A 正确的纵座标 Xa ");
        EXPECT_EQ(run.end, RunEnd::kEnd) << run.failure;
        break;
      case Verdict::kTypeMismatch:
        EXPECT_EQ(run.end, RunEnd::kFailure);
        EXPECT_EQ(run.prompts, kXaAnswer + 2);
        EXPECT_EQ(run.failure.rfind("类型不匹配：对确认提示“A 点纵座标 Xa 输入是否正确?”的回答“" +
                                        row.answer + "”",
                                    0),
                  0u)
            << run.failure;
        break;
      case Verdict::kOverflow:
        EXPECT_EQ(run.end, RunEnd::kFailure);
        EXPECT_EQ(run.prompts, kXaAnswer + 2);
        EXPECT_EQ(run.failure.rfind("溢出：", 0), 0u) << run.failure;
        EXPECT_NE(run.failure.find("“1e400”"), std::string::npos) << run.failure;
        break;
    }
    EXPECT_EQ(run.Last(Field::Text2), " 1000.000");
  }
}

struct ListingRow {
  std::string answer;  // to every listing prompt
  std::size_t pointsShown;
};

// Only an answer that reads as zero ends the listing; [S] and 1/M follow anyway.
const ListingRow kListingAnswers[] = {
    {"", 2},  {"abc", 2}, {"1e400", 2}, {" ", 2},        {"y", 2},
    {"0", 0}, {"-0", 0},  {"０", 0},    {"1e-400", 0},
};

TEST(ListingAnswers, OnlyZeroEndsTheListingAndTheTotalsFollow) {
  for (const ListingRow& row : kListingAnswers) {
    SCOPED_TRACE("listing answered [" + row.answer + "]");
    std::vector<std::string> answers = Traverse().Answers();
    for (std::size_t i = answers.size() - 2; i < answers.size(); ++i) answers[i] = row.answer;
    const RecordedRun run = RunAnswers(answers);
    ASSERT_EQ(run.end, RunEnd::kEnd) << run.failure;
    EXPECT_EQ(run.History(Field::Text11).size(), row.pointsShown);
    EXPECT_EQ(run.Last(Field::Text16), "100.01米");
    EXPECT_EQ(run.Last(Field::Text17), "1/10001");
  }
}

}  // namespace
}  // namespace traverse::adversarial
