#include "report/statistics.h"

#include <cmath>
#include <string>

#include "app/number_text.h"
#include "app/run_failure.h"

namespace traverse {
namespace {

std::string Millimetres(double metres, const char* what) {
  const double mm = Finite(metres * 1000, what);
  return FixedText(RoundHalfEven(mm, 2), 2) + "毫米";
}

}  // namespace

void ShowAzimuthClosure(const TraverseRecord& record, UserInterface& ui) {
  ui.SetFieldText(Field::Text13, "  " + GeneralText(RoundHalfEven(record.fb, 2)) + "秒");
}

void ShowClosuresBefore(const TraverseRecord& record, UserInterface& ui) {
  ui.SetFieldText(Field::Text18, Millimetres(record.FxBefore, "纵座标闭合差（毫米）"));
  ui.SetFieldText(Field::Text19, Millimetres(record.FyBefore, "横座标闭合差（毫米）"));
}

void ShowClosuresAfter(const TraverseRecord& record, UserInterface& ui) {
  ui.SetFieldText(Field::Text14, Millimetres(record.FxAfter, "角度配赋后的纵座标闭合差（毫米）"));
  ui.SetFieldText(Field::Text15, Millimetres(record.FyAfter, "角度配赋后的横座标闭合差（毫米）"));
}

void ShowTotals(const TraverseRecord& record, UserInterface& ui) {
  ui.SetFieldText(Field::Text16, GeneralText(record.TotalLength) + "米");
  ui.SetFieldText(Field::Text17, std::isinf(record.M) ? "1/∞" : "1/" + GeneralText(record.M));
}

}  // namespace traverse
