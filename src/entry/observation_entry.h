#pragma once
// The observations, point by point from A to B: a name with one prompt, a
// turning (left) angle and a side length through the confirmed entry.

#include <cstddef>

#include "adjust/traverse_record.h"
#include "app/user_interface.h"

namespace traverse {

// Station k (1..N): the name and angle of point k-1 and side k, into
// PointName[k-1], TurnAngleTyped[k-1], SideLength[k]. Converts nothing.
void EnterStation(TraverseRecord& record, UserInterface& ui, std::size_t k);

// B's name and angle into PointName[N] and TurnAngleTyped[N]; the angle is
// converted into TurnAngle[N]; then Text22 and Text10 are blanked.
void EnterClosingPoint(TraverseRecord& record, UserInterface& ui);

}  // namespace traverse
