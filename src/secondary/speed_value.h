#pragma once
// The speed value: the mean of a runner's two best provisional run values, each weighted by the age of
// its run, and grade ① of it against the race's best in steps of 6 tenths.

#include "analysis/runner_grid.h"
#include "model/meeting.h"

namespace secondary {

// Reads ProvEvalSigned1..5 of runners 1..runners (at most 18) and writes SpeedBest, SpeedSecond,
// SpeedValue and SpeedValueText; "***" in all four when ProvEvalSigned5 is "---" (no valid run). A
// race outside 1 to 12 writes nothing.
void ComputeSpeedValues(model::Meeting& meeting, int race, int runners);

// Writes GradeSpeed of runners 1..runners against the race's lowest SpeedValue (at most 100), then
// their SpeedValueText and GradeSpeed into the speed value and grade ① columns of the runner grid. A
// race outside 1 to 12 writes nothing.
void GradeSpeedValues(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race, int runners);

// A value of the runner's best and of its second-best, weighted by the age of the run it came from
// (1 the latest to 5 the oldest; a run outside is taken as the nearest): both move the worse way, the
// best by one tenth more than the second.
double WeightedBest(double value, int run);
double WeightedSecond(double value, int run);

}  // namespace secondary
