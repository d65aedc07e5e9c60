#include "entry/observation_entry.h"

#include <string>

#include "adjust/angle_conversion.h"
#include "app/number_text.h"
#include "entry/confirmed_entry.h"

namespace traverse {
namespace {

// The station texts are not one template: station 1 and the later ones differ
// in blanks and word order, and each keeps its own.
constexpr const char* kOkOrZero = "?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )";

std::string Number(std::size_t k) { return GeneralText(static_cast<double>(k)); }

void EnterName(TraverseRecord& record, UserInterface& ui, std::size_t point, const char* status,
               const char* prompt) {
  ui.SetFieldText(Field::Text22, status);
  record.PointName[point] = ui.PromptDialog(prompt);
  ui.SetFieldText(Field::Text10, "  " + record.PointName[point]);
}

void EnterSide(TraverseRecord& record, UserInterface& ui, std::size_t k) {
  const std::string n = Number(k);
  ui.SetFieldText(Field::Text21, "现在输入" + n + "边长");
  const Echo echo{"S" + n + "=", 3};
  // Station 1 asks whether the side "输入的数值" is right, the others "的数值输入".
  const std::string confirmation =
      k == 1 ? "确认第 " + n + " 条观测边长输入的数值是否正确" + kOkOrZero
             : "确认第 " + n + " 条观测边长的数值输入是否正确" + kOkOrZero;
  const std::string reconfirmation =
      k == 1 ? "确认这次第 " + n + " 条观测边长输入的数值是否正确" + kOkOrZero
             : "确认这次第 " + n + " 条观测边长的数值输入是否正确" + kOkOrZero;
  record.SideLength[k] = ConfirmedEntry(
      ui, "请输入第 " + n + " 条观测边长的数值 (以米为单位) :", confirmation,
      "输入第 " + n + " 条观测边长正确的数值 (以米为单位) :", reconfirmation, Field::Text9,
      echo, echo);
}

}  // namespace

void EnterStation(TraverseRecord& record, UserInterface& ui, std::size_t k) {
  const std::string n = Number(k);
  const std::size_t point = k - 1;
  if (k == 1) {
    EnterName(record, ui, point, "现在输入A点的点号", "请输入自起始点 A 点的点号");
    ui.SetFieldText(Field::Text20, "现在输入A点转角");
    // A's angle is confirmed in four decimals, every other in five.
    record.TurnAngleTyped[point] = ConfirmedEntry(
        ui, "请输入位于 A 点的第 " + n + " 个转角数值( 转角为左角 ) :",
        std::string("A 点的转角 输入是否正确") + kOkOrZero,
        "输入位于 A 点的第 " + n + " 个转角正确的数值( 转角为左角 ) :",
        std::string("这次 A 点的转角输入是否正确") + kOkOrZero, Field::Text8, Echo{"B0=", 5},
        Echo{"B0=", 4});
  } else {
    EnterName(record, ui, point, "现在输入转角点", "请按顺序输入导线转角点的点号");
    ui.SetFieldText(Field::Text20, "现在输入转角 " + n + "的数值");
    const Echo echo{"B" + Number(point) + "=", 5};
    record.TurnAngleTyped[point] = ConfirmedEntry(
        ui, "请输入导线第 " + n + " 个转角数值 ( 转角为左角 ) : ",
        "确认第 " + n + " 个转角输入是否正确" + kOkOrZero, "输入导线第 " + n + " 个转角正确的数值 :",
        "确认这次第 " + n + " 个转角的数值输入是否正确" + kOkOrZero, Field::Text8, echo, echo);
  }
  EnterSide(record, ui, k);
}

void EnterClosingPoint(TraverseRecord& record, UserInterface& ui) {
  const std::size_t n = record.PointCount;
  EnterName(record, ui, n, "现在输入B点的点号", "请输入自闭合点 B 点的点号");
  ui.SetFieldText(Field::Text20, "现在输入B点转角");
  const std::string angleNumber = Number(n + 1);
  // B has no re-confirmation text of its own: it asks the same question again.
  const std::string confirmation = std::string("确认闭合点 B 点的转角输入是否正确") + kOkOrZero;
  const Echo echo{"b" + record.N + "=", 5};  // N as typed
  record.TurnAngleTyped[n] = ConfirmedEntry(
      ui, "请输入导线位于闭合点 B 点的第 " + angleNumber + " 个转角数值 ( 转角为左角 )",
      confirmation, "请输入导线位于闭合点 B 点的第 " + angleNumber + " 个转角正确的数值 ( 转角为左角 )",
      confirmation, Field::Text8, echo, echo);
  record.TurnAngle[n] = ToDecimalDegrees(record.TurnAngleTyped[n], TurnAngleName(record, n));
  ui.SetFieldText(Field::Text22, "");
  ui.SetFieldText(Field::Text10, "");
}

}  // namespace traverse
