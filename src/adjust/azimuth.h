#pragma once
// Azimuths in decimal degrees, counted from the X axis (north) toward the Y
// axis (east). Azimuth[0] is the reverse of Ta, the direction in which the
// traverse arrives at A; Azimuth[k] the direction of side k; Azimuth[N+1] the
// computed outward direction at B. fb and AngleCorrection are seconds of arc.

#include <cstddef>

#include "adjust/traverse_record.h"

namespace traverse {

// One step into [0, 360): +360 if below 0, then -360 if at or above 360. Values
// outside [-360, 720) leave it only partly (-400 -> -40, 725 -> 365).
double NormalizeAzimuth(double a);

// Azimuth[0] = Ta + 180, less 360 if that reaches 360 (no test below 0).
void SetStartAzimuth(TraverseRecord& record);

// Azimuth[k] = NormalizeAzimuth((Azimuth[k-1] + TurnAngle[k-1]) - 180), k = 1..N.
void PropagateAzimuth(TraverseRecord& record, std::size_t k);

// Azimuth[N+1] from B's angle, then fb = (Azimuth[N+1] - Tb) * 3600 brought
// into (-648000, 648000]: a closing direction and a Tb on either side of north
// are a few seconds apart, not a full turn.
void ComputeAzimuthClosure(TraverseRecord& record);

// AngleCorrection = -fb / (N + 1) seconds, added to every angle 0..N.
void CorrectAngles(TraverseRecord& record);

}  // namespace traverse
