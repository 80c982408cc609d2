#pragma once
// How far each runner's 6-furlong total lies behind the race's best total, in tenths of a second, and
// grade ③ of that distance in fixed steps of 4 tenths.

#include "analysis/runner_grid.h"
#include "model/meeting.h"

namespace secondary {

// Reads Total6FText of runners 1..runners (at most 18; "**.*" is no total) and writes Diff6FText:
// "00" on the best total, the difference in at least two digits, "**" without a total. A race
// outside 1 to 12 writes nothing.
void ComputeSixFurlongDifferences(model::Meeting& meeting, int race, int runners);

// Writes Grade3F of runners 1..runners from Diff6FText, then their Diff6FText and Grade3F into
// its difference and grade ③ columns of the runner grid. A race outside 1 to 12 writes nothing.
void GradeSixFurlongDifferences(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race,
                                int runners);

}  // namespace secondary
