#pragma once
// The confirm-or-re-enter dialogue for one typed value.

#include <string>

#include "app/user_interface.h"

namespace traverse {

// How a field shows a value: prefix, then the value in the pattern of
// `decimals` decimals (a text that is no number shows as typed).
struct Echo {
  std::string prefix;
  int decimals = 3;
};

std::string EchoText(const Echo& echo, const std::string& value);

// Entry prompt, echo, confirmation prompt. An empty answer or one that reads
// as a non-zero number confirms; one that reads as zero asks again with the
// re-entry prompt, echoes, and asks the re-confirmation prompt, as often as
// the user says. Any other answer is the type-mismatch failure. Once confirmed
// the field shows `confirmedEcho`. Returns the value typed last, unexamined.
std::string ConfirmedEntry(UserInterface& ui, const std::string& entryPrompt,
                           const std::string& confirmationPrompt,
                           const std::string& reentryPrompt,
                           const std::string& reconfirmationPrompt, Field field,
                           const Echo& echo, const Echo& confirmedEcho);

}  // namespace traverse
