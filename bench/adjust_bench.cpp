// The adjustment arithmetic alone, on a record whose values are all typed:
// first pass, azimuth closure, angle correction, second pass, distribution.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "adjust/azimuth.h"
#include "adjust/coordinates.h"
#include "generated_traverse.h"
#include "per_side.h"

namespace traverse::bench {
namespace {

void BM_AdjustmentCore(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  TraverseRecord record = PreparedRecord(n);
  const std::vector<double> typedAngles = record.TurnAngle;

  for (auto _ : state) {
    // CorrectAngles changes the angles in place; every run starts from the
    // typed ones. The copy costs about a nanosecond per side.
    std::copy(typedAngles.begin(), typedAngles.end(), record.TurnAngle.begin());

    StartCoordinates(record);
    SetStartAzimuth(record);
    for (std::size_t k = 1; k <= n; ++k) {
      PropagateAzimuth(record, k);
      AdvanceFirstPass(record, k);
    }
    ComputeAzimuthClosure(record);
    ComputeClosureBefore(record);

    CorrectAngles(record);
    SecondPass(record);
    ComputeClosureAfter(record);
    ComputeCorrectionsPerMetre(record);
    DistributeClosure(record);
    ComputeRelativeClosure(record);

    benchmark::DoNotOptimize(record.M);
    benchmark::ClobberMemory();
  }
  CountSides(state, n);
}
BENCHMARK(BM_AdjustmentCore)->Apply(SideCounts);

}  // namespace
}  // namespace traverse::bench
