#pragma once
// The one failure path of a run: thrown at the failing step, caught once by
// RunComputation, which shows the message and returns to idle. The builders
// below give every message the same shape: what failed, which value, what was
// typed, and what to do next.

#include <stdexcept>
#include <string>
#include <string_view>

namespace traverse {

class RunFailure : public std::runtime_error {
 public:
  explicit RunFailure(const std::string& message) : std::runtime_error(message) {}
};

// `what` names the value as a surveyor would ("第 2 条观测边长 S2").
RunFailure TypeMismatch(std::string_view what, std::string_view typed);
RunFailure TypedOverflow(std::string_view what, std::string_view typed);
RunFailure ComputedOverflow(std::string_view what);
RunFailure DivisionByZero(std::string_view reason);
RunFailure PointCountInvalid(std::string_view typed);
RunFailure ArraysNotCreated(std::string_view typedN);
RunFailure OutOfMemory();

// Stores of computed values go through this: a result that is not finite is
// the overflow failure of the step that produced it.
double Finite(double value, std::string_view what);

// The typed text as the message quotes it: at most 40 characters, so that an
// answer of thousands of characters still gives a readable message box.
std::string QuoteTyped(std::string_view typed);

}  // namespace traverse

namespace traverse {

// A confirmation answered with something that is neither empty nor a number.
RunFailure ConfirmationNotUnderstood(std::string_view confirmationPrompt, std::string_view answer);

}  // namespace traverse
