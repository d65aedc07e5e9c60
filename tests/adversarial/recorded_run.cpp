#include "recorded_run.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "app/run_computation.h"

namespace traverse::adversarial {
namespace {

class RecordingWindow : public UserInterface {
 public:
  RecordingWindow(AnswerSource answers, RecordedRun& run, bool keepAll)
      : answers_(std::move(answers)), run_(run), keepAll_(keepAll) {}

  std::string PromptDialog(const std::string& message) override {
    ++run_.prompts;
    if (keepAll_) run_.promptLog.push_back(message);
    std::optional<std::string> answer = answers_();
    if (!answer) throw AnswersExhausted{};
    ++run_.answersTaken;
    return std::move(*answer);
  }

  void SetFieldText(Field field, const std::string& text) override {
    std::vector<std::string>& w = run_.writes[static_cast<std::size_t>(field)];
    if (!keepAll_) w.clear();
    w.push_back(text);
  }

  void ShowFailure(const std::string& message) override { run_.failure = message; }

 private:
  AnswerSource answers_;
  RecordedRun& run_;
  bool keepAll_;
};

RecordedRun Run(AnswerSource answers, bool keepAll) {
  RecordedRun run;
  RecordingWindow window(std::move(answers), run, keepAll);
  try {
    RunComputation(window);
    run.end = run.failure.empty() ? RunEnd::kEnd : RunEnd::kFailure;
  } catch (const AnswersExhausted&) {
    run.end = RunEnd::kAnswersRanOut;
  }
  return run;
}

}  // namespace

std::string RecordedRun::Last(Field field) const {
  const std::vector<std::string>& w = History(field);
  return w.empty() ? std::string() : w.back();
}

bool RecordedRun::AnyFieldShowed(const std::string& piece) const {
  for (const std::vector<std::string>& field : writes) {
    for (const std::string& text : field) {
      if (text.find(piece) != std::string::npos) return true;
    }
  }
  return false;
}

RecordedRun RunAnswers(const std::vector<std::string>& answers) {
  std::size_t next = 0;
  return Run(
      [&answers, &next]() -> std::optional<std::string> {
        if (next == answers.size()) return std::nullopt;
        return answers[next++];
      },
      true);
}

RecordedRun RunGenerated(AnswerSource answers) { return Run(std::move(answers), false); }

std::vector<std::string> Traverse::Answers() const {
  std::vector<std::string> a = {n};
  for (const std::string* v : {&xa, &ya, &xb, &yb, &ta, &tb}) a.insert(a.end(), {*v, ""});
  for (const Station& s : stations) a.insert(a.end(), {s.name, s.angle, "", s.side, ""});
  a.insert(a.end(), {closingName, closingAngle, ""});
  a.insert(a.end(), stations.size() + 1, "");
  return a;
}

Traverse StationExample() {
  Traverse t;
  t.n = "3";
  t.xa = "1000";
  t.ya = "2000";
  t.xb = "258.486";
  t.yb = "1644.722";
  t.ta = "45.3000";
  t.tb = "186.4530";
  t.stations = {{"A", "150.2000", "300"}, {"P1", "200.1015", "250.5"}, {"P2", "170.4530", "280.25"}};
  t.closingName = "B";
  t.closingAngle = "160.0010";
  return t;
}

void ExpectStationExampleResults(const RecordedRun& run) {
  ASSERT_EQ(run.end, RunEnd::kEnd) << run.failure;
  EXPECT_EQ(run.Last(Field::Text13), "  25秒");
  EXPECT_EQ(run.Last(Field::Text18), "18.30毫米");
  EXPECT_EQ(run.Last(Field::Text19), "-23.62毫米");
  EXPECT_EQ(run.Last(Field::Text14), "-4.57毫米");
  EXPECT_EQ(run.Last(Field::Text15), "20.15毫米");
  EXPECT_EQ(run.Last(Field::Text11), "258.486");
  EXPECT_EQ(run.Last(Field::Text12), "1644.722");
  EXPECT_EQ(run.Last(Field::Text16), "830.75米");
  EXPECT_EQ(run.Last(Field::Text17), "1/40207");
}

}  // namespace traverse::adversarial
