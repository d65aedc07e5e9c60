#include "adjust/traverse_record.h"

#include <cmath>
#include <new>

#include "app/number_text.h"
#include "app/run_failure.h"

namespace traverse {

void SetConstants(TraverseRecord& record) {
  record.PI = 3.1415926535;
  record.DegToRad = record.PI / 180;
}

std::size_t PointCountOfText(const std::string& typedN) {
  const NumberReading reading = ReadNumber(typedN);
  if (reading.kind != TextKind::kNumber || reading.value != std::trunc(reading.value) ||
      reading.value < 1 || reading.value > static_cast<double>(kMaxPointCount)) {
    throw PointCountInvalid(typedN);
  }
  return static_cast<std::size_t>(reading.value);
}

void CreateArrays(TraverseRecord& record) {
  const std::size_t n = record.PointCount;
  try {
    record.PointName.assign(n + 1, std::string());
    record.CoordX.assign(n + 1, 0.0);
    record.CoordY.assign(n + 1, 0.0);
    record.TurnAngleTyped.assign(n + 1, std::string());
    record.TurnAngle.assign(n + 1, 0.0);
    record.SideLength.assign(n + 1, std::string());
    record.Azimuth.assign(n + 2, 0.0);
    record.DeltaX.assign(n + 1, 0.0);
    record.DeltaY.assign(n + 1, 0.0);
  } catch (const std::bad_alloc&) {
    throw ArraysNotCreated(record.N);
  }
}

}  // namespace traverse

namespace traverse {

std::string TurnAngleName(const TraverseRecord& record, std::size_t point) {
  if (point == 0) return "A 点的转角 B0";
  // Numbered, not with N as typed: a long typed N must not flood the message.
  if (point == record.PointCount) return "闭合点 B 的转角 b" + GeneralText(static_cast<double>(point));
  return "第 " + GeneralText(static_cast<double>(point + 1)) + " 个转角 B" +
         GeneralText(static_cast<double>(point));
}

std::string SideName(std::size_t k) {
  const std::string number = GeneralText(static_cast<double>(k));
  return "第 " + number + " 条观测边长 S" + number;
}

double SideLengthValue(const TraverseRecord& record, std::size_t k) {
  const NumberReading reading = ReadNumber(record.SideLength[k]);
  if (reading.kind == TextKind::kNumber) return reading.value;
  return NumberOfText(record.SideLength[k], SideName(k));  // throws
}

}  // namespace traverse
