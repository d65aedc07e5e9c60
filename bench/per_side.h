#pragma once
// Counters shared by the benchmarks whose cost should grow with the number of
// sides.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>

namespace traverse::bench {

// Reports the time per side ("per_side", seconds) beside the time per run, so
// that sizes 10^3 to 10^6 compare at a glance: a linear cost keeps it flat.
inline void CountSides(benchmark::State& state, std::size_t sides) {
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(sides));
  state.counters["per_side"] = benchmark::Counter(
      static_cast<double>(sides),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// 10^3, 10^4, 10^5 and 10^6 sides; 10^6 is the largest N a run accepts.
inline void SideCounts(benchmark::internal::Benchmark* b) {
  b->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);
}

}  // namespace traverse::bench
