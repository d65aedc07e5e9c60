#include "entry/confirmed_entry.h"

#include "app/number_text.h"
#include "app/run_failure.h"

namespace traverse {
namespace {

enum class Verdict { kConfirmed, kWrong };

Verdict Judge(const std::string& answer, const std::string& prompt) {
  if (answer.empty()) return Verdict::kConfirmed;
  const NumberReading reading = ReadNumber(answer);
  switch (reading.kind) {
    case TextKind::kNumber:
      return reading.value == 0 ? Verdict::kWrong : Verdict::kConfirmed;
    case TextKind::kOutOfRange:
      throw TypedOverflow("对确认提示的回答", answer);
    case TextKind::kNotANumber:
      break;
  }
  throw ConfirmationNotUnderstood(prompt, answer);
}

}  // namespace

std::string EchoText(const Echo& echo, const std::string& value) {
  return echo.prefix + FixedText(value, echo.decimals);
}

std::string ConfirmedEntry(UserInterface& ui, const std::string& entryPrompt,
                           const std::string& confirmationPrompt,
                           const std::string& reentryPrompt,
                           const std::string& reconfirmationPrompt, Field field,
                           const Echo& echo, const Echo& confirmedEcho) {
  std::string value = ui.PromptDialog(entryPrompt);
  ui.SetFieldText(field, EchoText(echo, value));
  const std::string* question = &confirmationPrompt;
  while (Judge(ui.PromptDialog(*question), *question) == Verdict::kWrong) {
    value = ui.PromptDialog(reentryPrompt);
    ui.SetFieldText(field, EchoText(echo, value));
    question = &reconfirmationPrompt;
  }
  ui.SetFieldText(field, EchoText(confirmedEcho, value));
  return value;
}

}  // namespace traverse
