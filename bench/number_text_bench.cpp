// The number texts per call: every prompt answer, echo and result passes
// through them, so their cost is paid several times per side.

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "adjust/angle_conversion.h"
#include "app/number_text.h"

namespace traverse::bench {
namespace {

void BM_ReadNumber(benchmark::State& state, std::string_view text) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(text);
    benchmark::DoNotOptimize(ReadNumber(text));
  }
}
BENCHMARK_CAPTURE(BM_ReadNumber, side, std::string_view("280.250"));
BENCHMARK_CAPTURE(BM_ReadNumber, coordinate, std::string_view("1644.722"));
// What a Chinese input method types: three bytes per character.
BENCHMARK_CAPTURE(BM_ReadNumber, full_width, std::string_view("１６４４．７２２"));
BENCHMARK_CAPTURE(BM_ReadNumber, not_a_number, std::string_view("12a"));

void BM_ToDecimalDegrees(benchmark::State& state, std::string_view typed) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(typed);
    benchmark::DoNotOptimize(ToDecimalDegrees(typed, "转角"));
  }
}
BENCHMARK_CAPTURE(BM_ToDecimalDegrees, angle, std::string_view("200.1015"));
// 100x lands just short of a whole number here, the snap's case.
BENCHMARK_CAPTURE(BM_ToDecimalDegrees, snapped, std::string_view("270.1500"));

// Arg: the number of decimals, each pattern the displays use.
void BM_FixedTextOfNumber(benchmark::State& state) {
  const int decimals = static_cast<int>(state.range(0));
  double x = 1644.72249999;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(FixedText(x, decimals));
  }
}
BENCHMARK(BM_FixedTextOfNumber)->DenseRange(2, 5);

// The echo of a typed value: read, then written in the pattern.
void BM_FixedTextOfTyped(benchmark::State& state, std::string_view typed) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(typed);
    benchmark::DoNotOptimize(FixedText(typed, 3));
  }
}
BENCHMARK_CAPTURE(BM_FixedTextOfTyped, number, std::string_view("258.486"));
BENCHMARK_CAPTURE(BM_FixedTextOfTyped, not_a_number, std::string_view("A1"));

}  // namespace
}  // namespace traverse::bench
