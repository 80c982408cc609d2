#pragma once
// The whole base-time build over the meeting's past runs, phase after phase.

#include "basetime/class_grid_writer.h"
#include "model/meeting.h"

namespace basetime {

// Run summaries (corrections first), sums and counts, class averages, then the standard-time
// tables. The running sums and class averages go to the check grids as they are written.
void BuildBaseTimes(model::Meeting& meeting, ClassGridWriter& grid);

}  // namespace basetime
