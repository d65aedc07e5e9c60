#include "app/run_failure.h"

#include <cmath>

namespace traverse {
namespace {

constexpr std::string_view kWhatNext = "\n本次计算已终止，窗口中的数据保持不变；请按“平差计算”重新开始。";

std::string Join(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (std::string_view p : parts) out += p;
  return out;
}

}  // namespace

std::string QuoteTyped(std::string_view typed) {
  constexpr std::size_t kMaxChars = 40;
  std::size_t chars = 0;
  std::size_t i = 0;
  while (i < typed.size() && chars < kMaxChars) {
    // Step over one UTF-8 sequence; a stray continuation byte counts alone.
    ++i;
    while (i < typed.size() && (static_cast<unsigned char>(typed[i]) & 0xC0) == 0x80) ++i;
    ++chars;
  }
  std::string quoted = "“" + std::string(typed.substr(0, i));
  if (i < typed.size()) quoted += "…";
  return quoted + "”";
}

RunFailure TypeMismatch(std::string_view what, std::string_view typed) {
  if (typed.empty()) {
    return RunFailure(Join({"类型不匹配：", what, "应为数值，输入的却是空白（未输入或按了取消）。", kWhatNext}));
  }
  return RunFailure(Join({"类型不匹配：", what, "应为数值，输入的却是", QuoteTyped(typed), "。", kWhatNext}));
}

RunFailure TypedOverflow(std::string_view what, std::string_view typed) {
  return RunFailure(
      Join({"溢出：", what, "的输入", QuoteTyped(typed), "超出了双精度数的范围。", kWhatNext}));
}

RunFailure ComputedOverflow(std::string_view what) {
  return RunFailure(Join({"溢出：计算", what, "时结果超出了双精度数的范围，请检查输入的数值。", kWhatNext}));
}

RunFailure DivisionByZero(std::string_view reason) {
  return RunFailure(Join({"除数为零：", reason, kWhatNext}));
}

RunFailure PointCountInvalid(std::string_view typed) {
  return RunFailure(Join({"导线的点数 N 必须是 1 到 1000000 之间的整数，输入的却是",
                          typed.empty() ? std::string("空白") : QuoteTyped(typed), "。",
                          kWhatNext}));
}

RunFailure ArraysNotCreated(std::string_view typedN) {
  return RunFailure(Join({"内存不足：无法为点数 N = ", QuoteTyped(typedN), " 建立导线的数组。", kWhatNext}));
}

RunFailure OutOfMemory() {
  return RunFailure(Join({"内存不足：计算所需的内存无法分配。", kWhatNext}));
}

double Finite(double value, std::string_view what) {
  if (!std::isfinite(value)) throw ComputedOverflow(what);
  return value;
}

}  // namespace traverse

namespace traverse {

RunFailure ConfirmationNotUnderstood(std::string_view confirmationPrompt, std::string_view answer) {
  // The prompts are long; their question ends at the first "?".
  const std::size_t q = confirmationPrompt.find('?');
  const std::string_view question =
      q == std::string_view::npos ? confirmationPrompt : confirmationPrompt.substr(0, q + 1);
  return RunFailure(Join({"类型不匹配：对确认提示“", question, "”的回答", QuoteTyped(answer),
                          "既不是空白也不是数值（输入正确请直接按 Enter 键，输入错误请输入 0）。",
                          kWhatNext}));
}

}  // namespace traverse
