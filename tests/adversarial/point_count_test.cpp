// The point count N: a whole number from 1 to 1,000,000, or the run fails
// right after the N prompt, before anything reaches the window.

#include <gtest/gtest.h>

#include <string>

#include "recorded_run.h"

namespace traverse::adversarial {
namespace {

const std::string kNMessage = "导线的点数 N 必须是 1 到 1000000 之间的整数，输入的却是";

struct RejectedN {
  std::string typed;
  std::string quoted;  // as the message quotes it
};

const RejectedN kRejected[] = {
    {"1e12", "“1e12”"},
    {"-3", "“-3”"},
    {"2.5", "“2.5”"},
    {"0", "“0”"},
    {"-0", "“-0”"},
    {"", "空白"},
    {"   ", "“   ”"},
    {"abc", "“abc”"},
    {"1000001", "“1000001”"},  // one past the largest traverse
    {"1e400", "“1e400”"},      // beyond a double
    {"1e-400", "“1e-400”"},    // reads as zero
    {"0.9999999999", "“0.9999999999”"},
    {"1,000", "“1,000”"},
    {"0x10", "“0x10”"},
    {"inf", "“inf”"},
    {"nan", "“nan”"},
    {"3 4", "“3 4”"},
    {"５．５", "“５．５”"},
    {std::string(5000, '7'), "“" + std::string(40, '7') + "…”"},
};

TEST(PointCount, AnythingButAWholeNumberFromOneToAMillionFailsAtTheNPrompt) {
  for (const RejectedN& row : kRejected) {
    SCOPED_TRACE("N typed as [" + row.typed.substr(0, 60) + "]");
    // The rest of a whole run follows, so a run that went on would show it.
    Traverse t;
    t.n = row.typed;
    const RecordedRun run = RunAnswers(t.Answers());
    EXPECT_EQ(run.end, RunEnd::kFailure);
    EXPECT_EQ(run.prompts, 1u);
    EXPECT_EQ(run.failure.rfind(kNMessage + row.quoted + "。", 0), 0u) << run.failure;
    for (int f = 1; f <= kFieldCount; ++f) {
      EXPECT_FALSE(run.Written(static_cast<Field>(f))) << FieldName(static_cast<Field>(f));
    }
  }
}

// Forms of one that a user may type; B's echo label keeps N as typed.
const char* const kOne[] = {"1", " 1 ", "\t1\t", "1.0", "+1", "1e0", "0.1e1", "１", "\xE3\x80\x80" "1"};

TEST(PointCount, EveryWayOfTypingOneGivesTheSameTraverse) {
  for (const char* typed : kOne) {
    SCOPED_TRACE(std::string("N typed as [") + typed + "]");
    Traverse t;
    t.n = typed;
    const RecordedRun run = RunAnswers(t.Answers());
    ASSERT_EQ(run.end, RunEnd::kEnd) << run.failure;
    EXPECT_EQ(run.Last(Field::Text1), "本导线含已知点共有2个导线点");
    EXPECT_EQ(run.Last(Field::Text8), std::string("b") + typed + "=180.00000");
    EXPECT_EQ(run.Last(Field::Text16), "100.01米");
    EXPECT_EQ(run.Last(Field::Text17), "1/10001");
  }
}

}  // namespace
}  // namespace traverse::adversarial
