#include "basetime/base_time_build.h"

#include "basetime/accumulation.h"
#include "basetime/class_average.h"
#include "basetime/run_summary.h"
#include "basetime/standard_times.h"

namespace basetime {

void BuildBaseTimes(model::Meeting& meeting, ClassGridWriter& grid) {
  BuildRunSummaries(meeting);
  AccumulateRunTimes(meeting, grid);
  ComputeClassAverages(meeting, grid);
  DeriveStandardTimes(meeting);
}

}  // namespace basetime
