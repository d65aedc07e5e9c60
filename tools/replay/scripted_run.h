#pragma once
// A computation run driven by scripted answers, written as a transcript: one
// line per event, parts separated by one TAB.
//   prompt<TAB>TEXT         a prompt opens with message TEXT
//   answer<TAB>TEXT         the answer it returns
//   field<TAB>TextN<TAB>TEXT  a field is written
//   failure<TAB>MESSAGE     the run ended under the failure rule
//   end                     the run ended after its last step
// Inside every TEXT a backslash is written \\, a tab \t, a newline \n and a
// carriage return \r.

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "app/user_interface.h"

namespace traverse {

std::string EscapeTranscriptText(std::string_view text);

// Gives the next answer, or nothing when the script has run out.
using AnswerSource = std::function<std::optional<std::string>()>;

// Thrown by ScriptedInterface::PromptDialog when the answers run out; it is no
// failure of the run and passes through RunComputation.
struct AnswersExhausted {};

// The UI boundary as a script: answers from `answers`, every event written to
// `transcript`.
class ScriptedInterface : public UserInterface {
 public:
  ScriptedInterface(AnswerSource answers, std::ostream& transcript);

  std::string PromptDialog(const std::string& message) override;
  void SetFieldText(Field field, const std::string& text) override;
  void ShowFailure(const std::string& message) override;

  bool Failed() const { return failed_; }

 private:
  AnswerSource answers_;
  std::ostream& out_;
  bool failed_ = false;
};

enum class ReplayEnd { kEnd, kFailure, kAnswersRanOut };

// One RunComputation with answers read line by line from `answers` (split at
// "\n", one trailing "\r" dropped); the transcript goes to `transcript`.
ReplayEnd Replay(std::istream& answers, std::ostream& transcript);

// Exit status of traverse-replay for the way the run ended.
int ExitStatus(ReplayEnd end);

}  // namespace traverse
