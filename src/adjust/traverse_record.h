#pragma once
// All values of one run of the Compute command. Plain data: the entry
// operations write the typed texts, the adjustment operations turn them into
// numbers where they are first used, the report operations read the results.
//
// Points: 0 is A, 1..N-1 the turning points, N is B. Side k (1..N) runs from
// point k-1 to point k. Angles and azimuths inside are decimal degrees; fb and
// AngleCorrection are seconds of arc; lengths and coordinates are metres.

#include <cstddef>
#include <string>
#include <vector>

namespace traverse {

struct TraverseRecord {
  // Ten decimals, not full precision: every azimuth's radians rest on this
  // value, and the published results were computed with it.
  double PI = 0.0;
  double DegToRad = 0.0;  // PI / 180 = 0.017453292519444445

  std::string N;              // the point count as typed
  std::size_t PointCount = 0; // N as the whole number that bounds the arrays

  // Start data as typed; Xa..Yb stay texts, read as numbers where used.
  std::string Xa, Ya, Xb, Yb;
  std::string TaTyped, TbTyped;
  double Ta = 0.0, Tb = 0.0;  // decimal degrees, right after confirmation

  // Indices 0..N.
  std::vector<std::string> PointName;
  std::vector<std::string> TurnAngleTyped;  // DDD.MMSS as typed
  std::vector<double> TurnAngle;            // decimal degrees, then corrected
  std::vector<std::string> SideLength;      // as typed; [0] never written
  // [0] is A, taken from the typed Xa/Ya at their first numeric use (side 1);
  // [1..N] first-pass coordinates, then the adjusted ones.
  std::vector<double> CoordX, CoordY;
  std::vector<double> DeltaX, DeltaY;  // [1..N], second pass
  std::vector<double> Azimuth;         // indices 0..N+1

  double TotalLength = 0.0;
  double fb = 0.0;
  double FxBefore = 0.0, FyBefore = 0.0;
  double AngleCorrection = 0.0;
  double SumDeltaX = 0.0, SumDeltaY = 0.0;
  double FxAfter = 0.0, FyAfter = 0.0;
  double VxPerMetre = 0.0, VyPerMetre = 0.0;
  double FTotal = 0.0;
  double M = 0.0;  // +infinity when the traverse closes exactly
};

// Sets PI and DegToRad; the first step of every run.
void SetConstants(TraverseRecord& record);

// Creates the arrays for record.PointCount points after A. Throws RunFailure
// (arrays that cannot be created) when memory runs out.
void CreateArrays(TraverseRecord& record);

// Reads record.N as the point count: a whole number from 1 to 1,000,000
// ("5", "5.0", " 5 ", "５"), or the RunFailure that names what was typed.
std::size_t PointCountOfText(const std::string& typedN);

constexpr std::size_t kMaxPointCount = 1000000;

}  // namespace traverse

namespace traverse {

// How failure messages name the typed values of the observations.
std::string TurnAngleName(const TraverseRecord& record, std::size_t point);  // "第 2 个转角 B1"
std::string SideName(std::size_t k);                                        // "第 2 条观测边长 S2"

// The typed side k at a numeric use (RunFailure on a text that is no number).
double SideLengthValue(const TraverseRecord& record, std::size_t k);

}  // namespace traverse
