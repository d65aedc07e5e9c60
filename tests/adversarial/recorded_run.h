#pragma once
// Runs RunComputation against a window that records what it was shown, with
// answers from a list or from a generator. The answers are handed over as
// they are, byte for byte: no line splitting stands between them and the run.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "app/user_interface.h"
#include "scripted_run.h"

namespace traverse::adversarial {

enum class RunEnd { kEnd, kFailure, kAnswersRanOut };

struct RecordedRun {
  RunEnd end = RunEnd::kEnd;
  std::string failure;  // the message, for a failed run
  std::size_t prompts = 0;
  std::size_t answersTaken = 0;
  std::vector<std::string> promptLog;  // every prompt, unless only the last texts are kept
  // Per field (index 1..22), every text written in order, or only the last.
  std::array<std::vector<std::string>, kFieldCount + 1> writes;

  bool Written(Field field) const { return !writes[static_cast<std::size_t>(field)].empty(); }
  // The text the field shows when the run is over; "" if never written.
  std::string Last(Field field) const;
  const std::vector<std::string>& History(Field field) const {
    return writes[static_cast<std::size_t>(field)];
  }
  // True if any field ever showed `piece`.
  bool AnyFieldShowed(const std::string& piece) const;
};

// Keeps every prompt and every write.
RecordedRun RunAnswers(const std::vector<std::string>& answers);

// For runs too long to keep: only the number of prompts and the last text of
// each field.
RecordedRun RunGenerated(AnswerSource answers);

// The answers of a run with every value confirmed at once (an empty answer
// after each value) and every point of the listing shown.
struct Traverse {
  std::string n = "1";
  std::string xa = "1000", ya = "2000", xb = "1100", yb = "2000";
  std::string ta = "180", tb = "0";  // Ta = 180 turns the traverse to azimuth 0
  struct Station {
    std::string name, angle, side;
  };
  std::vector<Station> stations = {{"A", "180", "100.01"}};
  std::string closingName = "B", closingAngle = "180";

  std::vector<std::string> Answers() const;
};

// The station example of the test data: N = 3 from A (1000, 2000) to B.
Traverse StationExample();

// Expects the window at the end of the station example, as its transcript
// in the test data shows it.
void ExpectStationExampleResults(const RecordedRun& run);

// Where the answers of Traverse::Answers() stand.
constexpr std::size_t kXaAnswer = 1;
constexpr std::size_t kFirstStationAnswer = 13;
constexpr std::size_t kAnswersPerStation = 5;

}  // namespace traverse::adversarial
