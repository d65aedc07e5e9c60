#include "adjust/azimuth.h"

#include <cmath>

#include "app/number_text.h"
#include "app/run_failure.h"

namespace traverse {

double NormalizeAzimuth(double a) {
  if (a < 0) a = a + 360;
  if (a >= 360) a = a - 360;
  return a;
}

void SetStartAzimuth(TraverseRecord& record) {
  double a = record.Ta + 180;
  if (a >= 360) a = a - 360;
  record.Azimuth[0] = Finite(a, "起始方位角");
}

void PropagateAzimuth(TraverseRecord& record, std::size_t k) {
  const double a = NormalizeAzimuth((record.Azimuth[k - 1] + record.TurnAngle[k - 1]) - 180);
  if (!std::isfinite(a)) {
    throw ComputedOverflow("第 " + GeneralText(static_cast<double>(k)) + " 条边的方位角");
  }
  record.Azimuth[k] = a;
}

void ComputeAzimuthClosure(TraverseRecord& record) {
  const std::size_t n = record.PointCount;
  record.Azimuth[n + 1] = Finite(
      NormalizeAzimuth((record.Azimuth[n] + record.TurnAngle[n]) - 180), "闭合边的方位角");
  const double fb = Finite((record.Azimuth[n + 1] - record.Tb) * 3600, "方位角闭合差 fb");
  constexpr double kFullTurn = 1296000;  // seconds
  constexpr double kHalfTurn = 648000;
  double r = std::fmod(fb, kFullTurn);  // exact
  if (r > kHalfTurn) r -= kFullTurn;
  if (r <= -kHalfTurn) r += kFullTurn;
  record.fb = r;
}

void CorrectAngles(TraverseRecord& record) {
  const std::size_t n = record.PointCount;
  record.AngleCorrection = (-record.fb) / (static_cast<double>(n) + 1);
  for (std::size_t k = 0; k <= n; ++k) {
    record.TurnAngle[k] = Finite(record.TurnAngle[k] + record.AngleCorrection / 3600, "改正后的转角");
  }
}

}  // namespace traverse
