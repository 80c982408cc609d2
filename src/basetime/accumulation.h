#pragma once
// Sums and counts of the corrected winner times, by class, distance, course and surface.

#include "basetime/class_grid_writer.h"
#include "model/meeting.h"

namespace basetime {

// Adds every run summary of races first_race..last_race (runner by runner, the oldest run first) to
// the turf or dirt sums and counts, and shows each new sum of a class row in the check grid.
// The sums and counts are only ever added to.
void AccumulateRunTimes(model::Meeting& meeting, ClassGridWriter& grid, int first_race = 1,
                        int last_race = 12);

}  // namespace basetime
