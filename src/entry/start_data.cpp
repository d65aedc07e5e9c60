#include "entry/start_data.h"

#include "adjust/angle_conversion.h"
#include "app/number_text.h"
#include "entry/confirmed_entry.h"

namespace traverse {
namespace {

constexpr const char* kPointCountPrompt =
    "请输入导线的点数 N （N 点数中不包括已知点 A ,但应包括已知点 B )";

// The prompts differ from value to value in blanks and wording; each stands as
// the users of the program have always seen it.
struct StartValue {
  const char* entry;
  const char* confirmation;
  const char* reentry;
  const char* reconfirmation;
  Field field;
  int decimals;
};

constexpr StartValue kXa = {
    "请输入起始点 A 的纵座标 Xa ",
    "A 点纵座标 Xa 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )",
    "输入起始点 A 正确的纵座标 Xa ",
    "这次 A 点的纵座标 Xa 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )",
    Field::Text2, 3};
constexpr StartValue kYa = {
    "请输入起始点 A 的横座标 Ya ",
    "A 点横座标 Ya 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )",
    "输入起始点 A 正确的横座标 Ya ",
    "这次 A 点的横座标 Ya 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )",
    Field::Text3, 3};
constexpr StartValue kXb = {
    "请输入闭合点 B 的纵座标 Xb ",
    "B 点纵座标 Xb 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )",
    "输入起始点 B 正确的纵座标 Xb ",
    "这次 B 点的纵座标 Xb 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )",
    Field::Text4, 3};
constexpr StartValue kYb = {
    "请输入闭合点 B 的横座标 Yb ",
    "B 点横座标 Yb 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )",
    "请输入闭合点 B 正确的横座标 Yb ",
    "这次 B 点横座标 Yb 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )",
    Field::Text5, 3};
constexpr StartValue kTa = {
    "请输入起始点 A 的外方位角 Ta (Ta 的方向为自起始点 A 向外)",
    "起始点 A 的外方位角 Ta 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )",
    "输入起始点 A 正确的外方位角 Ta ",
    "这次起始点 A 的外方位角 Ta 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )",
    Field::Text6, 5};
constexpr StartValue kTb = {
    "请输入闭合点 B 的外方位角 Tb (Tb 的方向为自闭合点 B 向外)",
    "闭合点 B 的外方位角 Tb 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )",
    "输入闭合点 B 正确的外方位角 Tb ",
    "这次闭合点 B 的外方位角 Tb 输入是否正确?   输入正确按输入键(即为:Enter键 );  输入错误按零(即为:0 )",
    Field::Text7, 5};

std::string Enter(UserInterface& ui, const StartValue& v) {
  const Echo echo{" ", v.decimals};
  return ConfirmedEntry(ui, v.entry, v.confirmation, v.reentry, v.reconfirmation, v.field, echo,
                        echo);
}

}  // namespace

void EnterStartData(TraverseRecord& record, UserInterface& ui) {
  record.N = ui.PromptDialog(kPointCountPrompt);
  record.PointCount = PointCountOfText(record.N);
  ui.SetFieldText(Field::Text1, "本导线含已知点共有" +
                                    GeneralText(static_cast<double>(record.PointCount) + 1) +
                                    "个导线点");
  CreateArrays(record);
  record.Xa = Enter(ui, kXa);
  record.Ya = Enter(ui, kYa);
  record.Xb = Enter(ui, kXb);
  record.Yb = Enter(ui, kYb);
  record.TaTyped = Enter(ui, kTa);
  record.Ta = ToDecimalDegrees(record.TaTyped, "起始点 A 的外方位角 Ta");
  record.TbTyped = Enter(ui, kTb);
  record.Tb = ToDecimalDegrees(record.TbTyped, "闭合点 B 的外方位角 Tb");
}

}  // namespace traverse
