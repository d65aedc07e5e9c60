#include "adjust/angle_conversion.h"

#include <cmath>
#include <string>

#include "app/number_text.h"
#include "app/run_failure.h"

namespace traverse {
namespace {

// Far below the spacing of typed minute fields (0.01 in h), far above the
// rounding error of one multiplication for any angle a surveyor types.
constexpr double kWholeTolerance = 1e-9;

double WholeOrTruncated(double h) {
  const double nearest = std::round(h);
  if (std::fabs(h - nearest) <= kWholeTolerance) return nearest;
  return std::trunc(h);
}

}  // namespace

double ToDecimalDegrees(std::string_view typed, std::string_view what) {
  const double x = NumberOfText(typed, what);
  const double d = std::trunc(x);
  const double h = x * 100;
  const double t = x * 10000;
  const double wholeH = WholeOrTruncated(h);
  const double m = wholeH - 100 * d;
  const double s = t - 100 * wholeH;
  const double degrees = (d + m / 60) + s / 3600;
  // t is the largest product; if it is finite, so is everything after it.
  if (!std::isfinite(t) || !std::isfinite(degrees)) {
    throw ComputedOverflow(std::string(what) + "的度分秒换算");
  }
  return degrees;
}

}  // namespace traverse
