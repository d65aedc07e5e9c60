#pragma once

#include "adjust/traverse_record.h"
#include "app/user_interface.h"

namespace traverse {

// The N prompt, the point-count line in Text1, the record's arrays, then Xa,
// Ya, Xb, Yb, Ta, Tb through the confirmed entry (Text2..Text7); Ta is
// converted right after its confirmation, before Tb is asked, Tb right after
// its own. N must be a whole number from 1 to 1,000,000: anything else fails
// right after the N prompt, before anything is written to the window.
void EnterStartData(TraverseRecord& record, UserInterface& ui);

}  // namespace traverse
