#include "adjust/coordinates.h"

#include <cmath>
#include <limits>
#include <string>

#include "adjust/azimuth.h"
#include "app/number_text.h"
#include "app/run_failure.h"

namespace traverse {
namespace {

constexpr std::string_view kXaName = "起始点 A 的纵座标 Xa";
constexpr std::string_view kYaName = "起始点 A 的横座标 Ya";
constexpr std::string_view kXbName = "闭合点 B 的纵座标 Xb";
constexpr std::string_view kYbName = "闭合点 B 的横座标 Yb";

void CheckFinite(double value, const char* what, std::size_t k) {
  if (!std::isfinite(value)) {
    throw ComputedOverflow(std::string(what) + "（第 " + GeneralText(static_cast<double>(k)) +
                           " 条边）");
  }
}

}  // namespace

void StartCoordinates(TraverseRecord& record) { record.TotalLength = 0; }

void AdvanceFirstPass(TraverseRecord& record, std::size_t k) {
  const double a = record.Azimuth[k] * record.DegToRad;
  // The side is read before A's coordinate: the product is formed before the sum.
  const double sideX = SideLengthValue(record, k) * std::cos(a);
  if (k == 1) record.CoordX[0] = NumberOfText(record.Xa, kXaName);
  record.CoordX[k] = record.CoordX[k - 1] + sideX;
  CheckFinite(record.CoordX[k], "第一次推算的纵座标", k);
  const double sideY = SideLengthValue(record, k) * std::sin(a);
  if (k == 1) record.CoordY[0] = NumberOfText(record.Ya, kYaName);
  record.CoordY[k] = record.CoordY[k - 1] + sideY;
  CheckFinite(record.CoordY[k], "第一次推算的横座标", k);
  record.TotalLength = record.TotalLength + SideLengthValue(record, k);
  CheckFinite(record.TotalLength, "导线全长", k);
}

void ComputeClosureBefore(TraverseRecord& record) {
  const std::size_t n = record.PointCount;
  record.FxBefore = Finite(record.CoordX[n] - NumberOfText(record.Xb, kXbName), "纵座标闭合差");
  record.FyBefore = Finite(record.CoordY[n] - NumberOfText(record.Yb, kYbName), "横座标闭合差");
}

void AccumulateIncrement(TraverseRecord& record, std::size_t k) {
  const double a = record.Azimuth[k] * record.DegToRad;
  const double side = SideLengthValue(record, k);
  record.DeltaX[k] = side * std::cos(a);
  record.DeltaY[k] = side * std::sin(a);
  record.SumDeltaX = record.SumDeltaX + record.DeltaX[k];
  record.SumDeltaY = record.SumDeltaY + record.DeltaY[k];
  CheckFinite(record.SumDeltaX, "纵座标增量之和", k);
  CheckFinite(record.SumDeltaY, "横座标增量之和", k);
}

void SecondPass(TraverseRecord& record) {
  record.SumDeltaX = 0;
  record.SumDeltaY = 0;
  for (std::size_t k = 1; k <= record.PointCount; ++k) {
    PropagateAzimuth(record, k);
    AccumulateIncrement(record, k);
  }
}

void ComputeClosureAfter(TraverseRecord& record) {
  record.FxAfter = Finite((NumberOfText(record.Xa, kXaName) + record.SumDeltaX) -
                              NumberOfText(record.Xb, kXbName),
                          "角度配赋后的纵座标闭合差");
  record.FyAfter = Finite((NumberOfText(record.Ya, kYaName) + record.SumDeltaY) -
                              NumberOfText(record.Yb, kYbName),
                          "角度配赋后的横座标闭合差");
}

void ComputeCorrectionsPerMetre(TraverseRecord& record) {
  if (record.TotalLength == 0) {
    throw DivisionByZero("导线全长 [S] 为零（各边长之和为 0），无法按边长配赋坐标闭合差。");
  }
  record.VxPerMetre = Finite(-record.FxAfter / record.TotalLength, "每米边长的纵座标改正数");
  record.VyPerMetre = Finite(-record.FyAfter / record.TotalLength, "每米边长的横座标改正数");
}

void DistributeClosure(TraverseRecord& record) {
  const std::size_t n = record.PointCount;
  for (std::size_t k = 1; k <= n; ++k) {
    const double a = record.Azimuth[k] * record.DegToRad;
    const double side = SideLengthValue(record, k);
    record.CoordX[k] = record.CoordX[k - 1] + side * (std::cos(a) + record.VxPerMetre);
    CheckFinite(record.CoordX[k], "平差后的纵座标", k);
    record.CoordY[k] = record.CoordY[k - 1] + side * (std::sin(a) + record.VyPerMetre);
    CheckFinite(record.CoordY[k], "平差后的横座标", k);
  }
}

void ComputeRelativeClosure(TraverseRecord& record) {
  const double squares = record.FxAfter * record.FxAfter + record.FyAfter * record.FyAfter;
  // Where the squares leave a double (a closure near 1e-160 m or 1e154 m) the
  // closure itself is still a number: hypot takes it without squaring.
  const bool squaresInRange =
      squares == 0 ? record.FxAfter == 0 && record.FyAfter == 0
                   : std::isfinite(squares) && squares >= std::numeric_limits<double>::min();
  record.FTotal = Finite(squaresInRange ? std::sqrt(squares)
                                        : std::hypot(record.FxAfter, record.FyAfter),
                         "导线全长闭合差");
  const double ratio = record.FTotal == 0 ? 0.0 : record.TotalLength / record.FTotal;
  // A closure too small to divide by is an exact closure, not a failure.
  record.M = record.FTotal == 0 || !std::isfinite(ratio) ? std::numeric_limits<double>::infinity()
                                                          : std::trunc(ratio);
}

}  // namespace traverse
