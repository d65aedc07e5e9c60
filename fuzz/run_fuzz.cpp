// Arbitrary bytes as the answers of one whole computation run, split into
// lines as traverse-replay splits a script. The run must end in one of three
// ways: its last step, the failure rule, or the answers running out. On the
// way, every computed field must show a number in its pattern (never inf or
// nan), nothing may be written after a failure, and the transcript must keep
// one event per line.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/number_text.h"
#include "app/run_computation.h"
#include "app/user_interface.h"
#include "scripted_run.h"

namespace {

using traverse::Field;

[[noreturn]] void Fail(const char* property, std::string_view detail) {
  std::fprintf(stderr, "property broken: %s\n  %.*s\n", property,
               static_cast<int>(std::min<std::size_t>(detail.size(), 400)), detail.data());
  std::abort();
}

void Require(bool ok, const char* property, std::string_view detail) {
  if (!ok) Fail(property, detail);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view s, std::string_view suffix) {
  return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (len == 0 || i + len > s.size()) return false;
    for (std::size_t j = 1; j < len; ++j) {
      if ((static_cast<unsigned char>(s[i + j]) & 0xC0) != 0x80) return false;
    }
    i += len;
  }
  return true;
}

// -?digits.digits{d}, never an all-zero text with a minus.
bool IsFixed(std::string_view s, int d) {
  std::size_t i = s.substr(0, 1) == "-" ? 1 : 0;
  const std::size_t start = i;
  while (i < s.size() && IsDigit(s[i])) ++i;
  if (i == start || i >= s.size() || s[i] != '.') return false;
  const std::size_t point = i++;
  while (i < s.size() && IsDigit(s[i])) ++i;
  if (i != s.size() || i - point - 1 != static_cast<std::size_t>(d)) return false;
  return !(start == 1 && s.find_first_not_of("0.", 1) == std::string_view::npos);
}

// A plain or scientific number as GeneralText writes it. Near the largest
// double its 15 digits round past it ("1.79769313486232E+308"), so a number
// beyond the range is a number here too; inf and nan are not.
bool IsGeneral(std::string_view s) {
  return traverse::ReadNumber(s).kind != traverse::TextKind::kNotANumber &&
         s.find_first_of(" \t") == std::string_view::npos;
}

// The fields whose every text is computed by the run, never copied from a
// typed text: each must show a finite number in its pattern.
void CheckComputedField(Field field, std::string_view text) {
  const std::string detail = traverse::FieldName(field) + " = " + std::string(text);
  auto strip = [&](std::string_view prefix, std::string_view suffix) {
    Require(StartsWith(text, prefix) && EndsWith(text, suffix) &&
                text.size() >= prefix.size() + suffix.size(),
            "a computed field keeps its prefix and unit", detail);
    return text.substr(prefix.size(), text.size() - prefix.size() - suffix.size());
  };
  switch (field) {
    case Field::Text1:
      Require(IsGeneral(strip("本导线含已知点共有", "个导线点")), "Text1 counts the points", detail);
      break;
    case Field::Text11:
    case Field::Text12:
      Require(IsFixed(text, 3), "a listed coordinate has three decimals", detail);
      break;
    case Field::Text13:
      Require(IsGeneral(strip("  ", "秒")), "fb is a number of seconds", detail);
      break;
    case Field::Text14:
    case Field::Text15:
    case Field::Text18:
    case Field::Text19:
      Require(IsFixed(strip("", "毫米"), 2), "a closure has two decimals of millimetres", detail);
      break;
    case Field::Text16:
      Require(IsGeneral(strip("", "米")), "[S] is a number of metres", detail);
      break;
    case Field::Text17: {
      const std::string_view m = strip("1/", "");
      Require(m == "∞" || IsGeneral(m), "1/M shows a number or ∞", detail);
      break;
    }
    default:
      break;
  }
}

// Delegates to the scripted boundary and checks every event on the way.
class CheckingInterface : public traverse::UserInterface {
 public:
  CheckingInterface(traverse::ScriptedInterface& inner, bool answersAreUtf8)
      : inner_(inner), answersAreUtf8_(answersAreUtf8) {}

  std::string PromptDialog(const std::string& message) override {
    Require(!failed_, "no prompt after a failure", message);
    Require(!message.empty() && IsValidUtf8(message), "a prompt is a readable text", message);
    ++prompts_;
    return inner_.PromptDialog(message);
  }

  void SetFieldText(Field field, const std::string& text) override {
    Require(!failed_, "no field is written after a failure", text);
    const int n = static_cast<int>(field);
    Require(n >= 1 && n <= traverse::kFieldCount, "a field of the window", text);
    if (answersAreUtf8_) Require(IsValidUtf8(text), "typed UTF-8 stays UTF-8 on screen", text);
    CheckComputedField(field, text);
    last_[static_cast<std::size_t>(n)] = text;
    lastField_ = field;
    inner_.SetFieldText(field, text);
  }

  void ShowFailure(const std::string& message) override {
    Require(!failed_, "one failure per run", message);
    failed_ = true;
    static constexpr std::string_view kKnown[] = {"类型不匹配", "溢出", "除数为零",
                                                  "导线的点数 N", "内存不足"};
    bool known = false;
    for (std::string_view k : kKnown) known = known || StartsWith(message, k);
    Require(known, "a failure message names its kind", message);
    Require(message.size() < 2000, "a failure message stays short", message);
    if (answersAreUtf8_) Require(IsValidUtf8(message), "a failure message is readable", message);
    inner_.ShowFailure(message);
  }

  bool failed() const { return failed_; }
  std::size_t prompts() const { return prompts_; }
  std::optional<Field> lastField() const { return lastField_; }

 private:
  traverse::ScriptedInterface& inner_;
  bool answersAreUtf8_;
  bool failed_ = false;
  std::size_t prompts_ = 0;
  std::string last_[traverse::kFieldCount + 1];
  std::optional<Field> lastField_;
};

std::vector<std::string> SplitAnswers(std::string_view input) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < input.size()) {
    std::size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = input.size();
    std::string line(input.substr(start, end - start));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

// One event per line: the escaping leaves no raw newline inside a text, and
// every line is one of the five kinds.
void CheckTranscript(const std::string& transcript) {
  std::size_t start = 0;
  while (start < transcript.size()) {
    const std::size_t end = transcript.find('\n', start);
    Require(end != std::string::npos, "the transcript ends with a newline", transcript);
    const std::string_view line(transcript.data() + start, end - start);
    Require(line.find('\r') == std::string_view::npos, "no raw carriage return", line);
    std::size_t tabs = 0;
    for (char c : line) tabs += c == '\t' ? 1 : 0;
    const bool ok = line == "end" || (StartsWith(line, "prompt\t") && tabs == 1) ||
                    (StartsWith(line, "answer\t") && tabs == 1) ||
                    (StartsWith(line, "failure\t") && tabs == 1) ||
                    (StartsWith(line, "field\tText") && tabs == 2);
    Require(ok, "every transcript line is one event", line);
    start = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> answers = SplitAnswers(input);
  std::size_t next = 0;
  traverse::AnswerSource source = [&]() -> std::optional<std::string> {
    if (next == answers.size()) return std::nullopt;
    return answers[next++];
  };
  std::ostringstream transcript;
  traverse::ScriptedInterface scripted(source, transcript);
  CheckingInterface ui(scripted, IsValidUtf8(input));

  bool ranOut = false;
  try {
    traverse::RunComputation(ui);
  } catch (const traverse::AnswersExhausted&) {
    ranOut = true;
  }
  // Any other exception escapes and libFuzzer reports it.

  Require(ui.prompts() == next + (ranOut ? 1 : 0), "every answer taken belongs to one prompt",
          input);
  if (ranOut) {
    Require(!ui.failed(), "a run that failed asks nothing more", input);
  } else if (!ui.failed()) {
    Require(ui.lastField() == Field::Text17, "a run that ends normally shows 1/M last", input);
  }
  CheckTranscript(transcript.str());
  return 0;
}
