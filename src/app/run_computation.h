#pragma once

#include "app/user_interface.h"

namespace traverse {

// The Compute command: one whole adjustment run from the N prompt to the last
// result, all input through ui.PromptDialog and all output through
// ui.SetFieldText. A failure ends the run (not the program): its message goes to
// ui.ShowFailure and the function returns normally. Exceptions that the
// boundary itself throws from PromptDialog pass through untouched.
void RunComputation(UserInterface& ui);

}  // namespace traverse
