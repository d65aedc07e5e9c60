#pragma once
// The precision statistics, written at their points of the run.

#include "adjust/traverse_record.h"
#include "app/user_interface.h"

namespace traverse {

// Text13: two blanks, fb rounded half-even to 0.01" in general form, "秒".
void ShowAzimuthClosure(const TraverseRecord& record, UserInterface& ui);

// Text18, Text19: FxBefore, FyBefore in millimetres, two decimals, "毫米".
void ShowClosuresBefore(const TraverseRecord& record, UserInterface& ui);

// Text14, Text15: FxAfter, FyAfter likewise.
void ShowClosuresAfter(const TraverseRecord& record, UserInterface& ui);

// Text16: [S] in general form and "米"; Text17: "1/" and M ("1/∞" for an
// exact closure).
void ShowTotals(const TraverseRecord& record, UserInterface& ui);

}  // namespace traverse
