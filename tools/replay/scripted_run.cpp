#include "scripted_run.h"

#include <istream>
#include <ostream>

#include "app/run_computation.h"

namespace traverse {

std::string EscapeTranscriptText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

ScriptedInterface::ScriptedInterface(AnswerSource answers, std::ostream& transcript)
    : answers_(std::move(answers)), out_(transcript) {}

std::string ScriptedInterface::PromptDialog(const std::string& message) {
  out_ << "prompt\t" << EscapeTranscriptText(message) << '\n';
  std::optional<std::string> answer = answers_();
  if (!answer) throw AnswersExhausted{};
  out_ << "answer\t" << EscapeTranscriptText(*answer) << '\n';
  return std::move(*answer);
}

void ScriptedInterface::SetFieldText(Field field, const std::string& text) {
  out_ << "field\t" << FieldName(field) << '\t' << EscapeTranscriptText(text) << '\n';
}

void ScriptedInterface::ShowFailure(const std::string& message) {
  failed_ = true;
  out_ << "failure\t" << EscapeTranscriptText(message) << '\n';
}

ReplayEnd Replay(std::istream& answers, std::ostream& transcript) {
  AnswerSource next = [&answers]() -> std::optional<std::string> {
    std::string line;
    if (!std::getline(answers, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  };
  ScriptedInterface ui(next, transcript);
  try {
    RunComputation(ui);
  } catch (const AnswersExhausted&) {
    transcript.flush();
    return ReplayEnd::kAnswersRanOut;
  }
  if (ui.Failed()) {
    transcript.flush();
    return ReplayEnd::kFailure;
  }
  transcript << "end\n";
  transcript.flush();
  return ReplayEnd::kEnd;
}

int ExitStatus(ReplayEnd end) { return end == ReplayEnd::kAnswersRanOut ? 3 : 0; }

}  // namespace traverse
