// Runs of millions of prompts: the largest traverse answered in full, and a
// value re-entered ten thousand times. Their speed is measured by the
// benchmarks; here they must only end as they should.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "adjust/traverse_record.h"
#include "recorded_run.h"

namespace traverse::adversarial {
namespace {

// A traverse of n sides of 1 m due north (Ta = 180 gives azimuth 0 and every
// angle of 180 keeps it), every value confirmed at once and every point of
// the listing shown; the answers are made one at a time, as they are asked.
class StraightTraverse {
 public:
  StraightTraverse(std::size_t n, std::string xb, std::size_t stopAfter)
      : n_(n), start_{"0", "", "0", "", std::move(xb), "", "0", "", "180", "", "0", ""},
        stopAfter_(stopAfter) {}

  std::optional<std::string> operator()() {
    if (next_ == stopAfter_) return std::nullopt;
    std::size_t i = next_++;
    if (i == 0) return std::to_string(n_);
    i -= 1;
    if (i < start_.size()) return start_[i];
    i -= start_.size();
    if (i < kAnswersPerStation * n_) {
      const std::size_t station = i / kAnswersPerStation;
      switch (i % kAnswersPerStation) {
        case 0: return station == 0 ? "A" : "P" + std::to_string(station);
        case 1: return std::string("180");
        case 3: return std::string("1");
        default: return std::string();
      }
    }
    i -= kAnswersPerStation * n_;
    static const char* const kClosing[] = {"B", "180", ""};
    if (i < 3) return std::string(kClosing[i]);
    i -= 3;
    if (i < n_ + 1) return std::string();
    return std::nullopt;
  }

 private:
  std::size_t n_;
  std::vector<std::string> start_;
  std::size_t stopAfter_;
  std::size_t next_ = 0;
};

constexpr std::size_t kNoStop = static_cast<std::size_t>(-1);

TEST(MillionPoints, TheLargestTraverseAnsweredInFullEndsWithItsResults) {
  constexpr std::size_t n = kMaxPointCount;
  // B 1 cm beyond the chain of 1,000,000 sides of 1 m.
  const RecordedRun run = RunGenerated(StraightTraverse(n, "1000000.01", kNoStop));
  ASSERT_EQ(run.end, RunEnd::kEnd) << run.failure;
  EXPECT_EQ(run.prompts, 6 * n + 17);  // N, 12 start, 5 per station, 3 for B, n + 1 listed
  EXPECT_EQ(run.Last(Field::Text1), "本导线含已知点共有1000001个导线点");
  EXPECT_EQ(run.Last(Field::Text21), "现在输入1000000边长");
  EXPECT_EQ(run.Last(Field::Text9), "S1000000=1.000");
  EXPECT_EQ(run.Last(Field::Text8), "b1000000=180.00000");
  EXPECT_EQ(run.Last(Field::Text13), "  0秒");
  // Hand-computed: 1,000,000 - 1000000.01 in doubles is -0.0100000000093 m.
  EXPECT_EQ(run.Last(Field::Text18), "-10.00毫米");
  EXPECT_EQ(run.Last(Field::Text19), "0.00毫米");
  EXPECT_EQ(run.Last(Field::Text14), "-10.00毫米");
  EXPECT_EQ(run.Last(Field::Text15), "0.00毫米");
  EXPECT_EQ(run.Last(Field::Text10), "  B");
  EXPECT_EQ(run.Last(Field::Text11), "1000000.010");  // the chain ends on B
  EXPECT_EQ(run.Last(Field::Text12), "0.000");
  EXPECT_EQ(run.Last(Field::Text16), "1000000米");
  // trunc(1e6 / 0.0100000000093) = trunc(99999999.9069).
  EXPECT_EQ(run.Last(Field::Text17), "1/99999999");
}

TEST(MillionPoints, AnswersRunningOutEarlyEndTheRunAtOnce) {
  const RecordedRun run = RunGenerated(StraightTraverse(kMaxPointCount, "0", 30));
  EXPECT_EQ(run.end, RunEnd::kAnswersRanOut);
  EXPECT_EQ(run.prompts, 31u);
  EXPECT_EQ(run.Last(Field::Text1), "本导线含已知点共有1000001个导线点");
  EXPECT_EQ(run.Last(Field::Text21), "现在输入3边长");
}

const std::string kOkOrZero = "?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";

struct ReentryRow {
  const char* label;
  std::size_t entry;  // the value's entry among the station example's answers
  std::string confirmation, reentry, reconfirmation;
};

const ReentryRow kReentries[] = {
    {"Xa", kXaAnswer, "A 点纵座标 Xa 输入是否正确" + kOkOrZero, "输入起始点 A 正确的纵座标 Xa ",
     "这次 A 点的纵座标 Xa 输入是否正确" + kOkOrZero},
    {"side 2", kFirstStationAnswer + kAnswersPerStation + 3,
     "确认第 2 条观测边长的数值输入是否正确" + kOkOrZero,
     "输入第 2 条观测边长正确的数值 (以米为单位) :",
     "确认这次第 2 条观测边长的数值输入是否正确" + kOkOrZero},
    // B asks its one confirmation again after every re-entry.
    {"angle at B", kFirstStationAnswer + 3 * kAnswersPerStation + 1,
     "确认闭合点 B 点的转角输入是否正确" + kOkOrZero,
     "请输入导线位于闭合点 B 点的第 4 个转角正确的数值 ( 转角为左角 )",
     "确认闭合点 B 点的转角输入是否正确" + kOkOrZero},
};

TEST(TenThousandReentries, TheValueTypedLastCountsAndTheDialogueNeverFallsBack) {
  constexpr std::size_t kZeros = 10000;
  for (const ReentryRow& row : kReentries) {
    SCOPED_TRACE(row.label);
    std::vector<std::string> answers = StationExample().Answers();
    const std::string right = answers[row.entry];
    // Wrong values 1, 2, ... each answered 0, then the right one, confirmed.
    std::vector<std::string> dialogue = {"1", "0"};
    for (std::size_t i = 2; i <= kZeros; ++i) dialogue.insert(dialogue.end(), {std::to_string(i), "0"});
    dialogue.insert(dialogue.end(), {right, ""});
    answers.erase(answers.begin() + row.entry, answers.begin() + row.entry + 2);
    answers.insert(answers.begin() + row.entry, dialogue.begin(), dialogue.end());

    const RecordedRun run = RunAnswers(answers);
    ExpectStationExampleResults(run);
    EXPECT_EQ(run.prompts, 35 + 2 * kZeros);
    auto count = [&run](const std::string& prompt) {
      return static_cast<std::size_t>(std::count(run.promptLog.begin(), run.promptLog.end(), prompt));
    };
    EXPECT_EQ(count(row.reentry), kZeros);
    if (row.confirmation == row.reconfirmation) {
      EXPECT_EQ(count(row.confirmation), kZeros + 1);
    } else {
      EXPECT_EQ(count(row.confirmation), 1u);
      EXPECT_EQ(count(row.reconfirmation), kZeros);
    }
    EXPECT_EQ(run.promptLog[row.entry + 2], row.reentry);
    EXPECT_EQ(run.promptLog[row.entry + 2 * kZeros + 1], row.reconfirmation);
  }
}

}  // namespace
}  // namespace traverse::adversarial
