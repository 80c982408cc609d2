#pragma once
// Class averages of the corrected winner times: sum over count for classes 1..5, distances 1..12
// and courses 1..10 of each surface.

#include "basetime/class_grid_writer.h"
#include "model/meeting.h"

namespace basetime {

// What a class cell of the check grid shows where the class has no time.
extern const model::Text kNoClassTimeMark;

// Rewrites every class average of turf, then dirt, and the matching class cell of the check grid.
void ComputeClassAverages(model::Meeting& meeting, ClassGridWriter& grid);

}  // namespace basetime
