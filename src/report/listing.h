#pragma once
// The point-by-point listing of the adjusted coordinates, A first, B last.

#include "adjust/traverse_record.h"
#include "app/user_interface.h"

namespace traverse {

constexpr const char* kListingPrompt = "需要显示座标请按 OK键,或输入不等于另的任意键";

// Before every point the listing prompt; an answer that reads as the number
// zero ends the listing there (the prompt offers "any entry other than zero"
// to go on). Each point shown writes Text22, Text10, Text11, Text12.
void ListCoordinates(const TraverseRecord& record, UserInterface& ui);

}  // namespace traverse
