#include "app/run_computation.h"

#include <new>

#include "adjust/angle_conversion.h"
#include "adjust/azimuth.h"
#include "adjust/coordinates.h"
#include "adjust/traverse_record.h"
#include "app/run_failure.h"
#include "entry/observation_entry.h"
#include "entry/start_data.h"
#include "report/listing.h"
#include "report/statistics.h"

namespace traverse {
namespace {

void Run(TraverseRecord& record, UserInterface& ui) {
  SetConstants(record);
  EnterStartData(record, ui);

  StartCoordinates(record);
  SetStartAzimuth(record);

  // Each station is computed before the next one is asked.
  const std::size_t n = record.PointCount;
  for (std::size_t k = 1; k <= n; ++k) {
    EnterStation(record, ui, k);
    record.TurnAngle[k - 1] =
        ToDecimalDegrees(record.TurnAngleTyped[k - 1], TurnAngleName(record, k - 1));
    PropagateAzimuth(record, k);
    AdvanceFirstPass(record, k);
  }
  EnterClosingPoint(record, ui);

  ComputeAzimuthClosure(record);
  ShowAzimuthClosure(record, ui);
  ComputeClosureBefore(record);
  ShowClosuresBefore(record, ui);

  CorrectAngles(record);
  SecondPass(record);
  ComputeClosureAfter(record);
  ShowClosuresAfter(record, ui);
  ComputeCorrectionsPerMetre(record);
  DistributeClosure(record);

  ListCoordinates(record, ui);
  ComputeRelativeClosure(record);
  ShowTotals(record, ui);
}

}  // namespace

void RunComputation(UserInterface& ui) {
  try {
    TraverseRecord record;
    Run(record, ui);
  } catch (const RunFailure& failure) {
    ui.ShowFailure(failure.what());
  } catch (const std::bad_alloc&) {
    ui.ShowFailure(OutOfMemory().what());
  }
}

}  // namespace traverse
