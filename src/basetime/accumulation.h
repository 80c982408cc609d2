#pragma once
// Sums and counts of the corrected winner times, by class, distance, course and surface.

#include "basetime/class_grid_writer.h"
#include "model/meeting.h"

namespace basetime {

// Adds every run summary of races firstRace..lastRace (runner by runner, the oldest run first) to
// the turf or dirt sums and counts, and shows each new sum of a class row in the check grid.
// The sums and counts are only ever added to.
void AccumulateRunTimes(model::Meeting& meeting, ClassGridWriter& grid, int firstRace = 1, int lastRace = 12);

}  // namespace basetime
