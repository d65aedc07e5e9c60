#pragma once
// Coordinates in metres: X north ("纵座标"), Y east ("横座标"). An increment
// is length * cos(azimuth) in X and length * sin(azimuth) in Y, the azimuth in
// radians as Azimuth[k] * DegToRad. Every closure is computed minus known; the
// corrections carry the opposite sign.
//
// Each operation may throw RunFailure: a typed value that is no number at its
// first numeric use, a result beyond a double's range, a zero total length.

#include <cstddef>

#include "adjust/traverse_record.h"

namespace traverse {

// TotalLength = 0. CoordX[0]/CoordY[0] take the typed Xa/Ya at their first
// numeric use, side 1 of the first pass, so that a bad Xa fails there.
void StartCoordinates(TraverseRecord& record);

// First pass, side k: CoordX[k] = CoordX[k-1] + SideLength[k] * cos(a), the
// same in Y with sin, then TotalLength += SideLength[k].
void AdvanceFirstPass(TraverseRecord& record, std::size_t k);

// FxBefore = CoordX[N] - Xb, FyBefore = CoordY[N] - Yb (first-pass values).
void ComputeClosureBefore(TraverseRecord& record);

// Second pass, side k: DeltaX[k], DeltaY[k] from the corrected Azimuth[k],
// added to SumDeltaX, SumDeltaY.
void AccumulateIncrement(TraverseRecord& record, std::size_t k);

// The whole second pass after the angle correction: SumDeltaX = SumDeltaY = 0,
// then for k = 1..N the corrected Azimuth[k] and AccumulateIncrement(k).
void SecondPass(TraverseRecord& record);

// FxAfter = (Xa + SumDeltaX) - Xb, FyAfter = (Ya + SumDeltaY) - Yb.
void ComputeClosureAfter(TraverseRecord& record);

// VxPerMetre = -FxAfter / TotalLength, VyPerMetre likewise. Formed after the
// closures are shown. A zero TotalLength is the division-by-zero failure.
void ComputeCorrectionsPerMetre(TraverseRecord& record);

// CoordX[k] = CoordX[k-1] + SideLength[k] * (cos(a) + VxPerMetre), k = 1..N,
// with the corrected azimuths; the same in Y.
void DistributeClosure(TraverseRecord& record);

// FTotal = sqrt(FxAfter^2 + FyAfter^2) (hypot where the squares leave a
// double); M = trunc(TotalLength / FTotal). A
// traverse that closes exactly (FTotal = 0, or a ratio beyond any double)
// has M = +infinity, shown as 1/∞.
void ComputeRelativeClosure(TraverseRecord& record);

}  // namespace traverse
