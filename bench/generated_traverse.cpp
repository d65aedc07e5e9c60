#include "generated_traverse.h"

#include <cstdio>

#include "adjust/angle_conversion.h"

namespace traverse::bench {
namespace {

// A and B a few kilometres apart; the closure is whatever the generated
// stations give, which the adjustment handles like any other.
constexpr const char* kXa = "1000.000";
constexpr const char* kYa = "2000.000";
constexpr const char* kXb = "3541.276";
constexpr const char* kYb = "5712.904";
constexpr const char* kTa = "45.3000";
constexpr const char* kTb = "186.4530";

}  // namespace

std::string PointNameOf(std::size_t k) { return "P" + std::to_string(k); }

std::string TurnAngleOf(std::size_t k) {
  // Co-prime strides spread degrees, minutes and seconds over their ranges.
  char text[16];
  std::snprintf(text, sizeof text, "%zu.%02zu%02zu", 170 + k % 20, (k * 7) % 60, (k * 13) % 60);
  return text;
}

std::string SideOf(std::size_t k) {
  char text[16];
  std::snprintf(text, sizeof text, "%zu.%03zu", 150 + (k * 37) % 200, (k * 101) % 1000);
  return text;
}

TraverseRecord PreparedRecord(std::size_t n) {
  TraverseRecord record;
  SetConstants(record);
  record.N = std::to_string(n);
  record.PointCount = n;
  CreateArrays(record);
  record.Xa = kXa;
  record.Ya = kYa;
  record.Xb = kXb;
  record.Yb = kYb;
  record.TaTyped = kTa;
  record.TbTyped = kTb;
  record.Ta = ToDecimalDegrees(kTa, "Ta");
  record.Tb = ToDecimalDegrees(kTb, "Tb");
  for (std::size_t k = 0; k <= n; ++k) {
    record.PointName[k] = PointNameOf(k);
    record.TurnAngleTyped[k] = TurnAngleOf(k);
    record.TurnAngle[k] = ToDecimalDegrees(record.TurnAngleTyped[k], "angle");
    if (k > 0) record.SideLength[k] = SideOf(k);
  }
  return record;
}

std::string AnswerScript(std::size_t n) {
  std::string script;
  script.reserve(40 * (n + 1));
  const auto answer = [&script](const std::string& text) {
    script += text;
    script += '\n';
  };
  const std::string confirm;  // an empty answer confirms
  answer(std::to_string(n));
  for (const char* value : {kXa, kYa, kXb, kYb, kTa, kTb}) {
    answer(value);
    answer(confirm);
  }
  for (std::size_t k = 1; k <= n; ++k) {
    answer(PointNameOf(k - 1));
    answer(TurnAngleOf(k - 1));
    answer(confirm);
    answer(SideOf(k));
    answer(confirm);
  }
  answer(PointNameOf(n));
  answer(TurnAngleOf(n));
  answer(confirm);
  for (std::size_t k = 0; k <= n; ++k) answer(confirm);  // one per listed point
  return script;
}

}  // namespace traverse::bench
