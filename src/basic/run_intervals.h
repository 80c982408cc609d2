#pragma once
// How long each past run of a runner lies before the next and before today's race, counted in the
// day numbers the evaluation of the runs leaves.

#include "model/meeting.h"

namespace basic {

// Writes RunInterval1..5 and RunDaysAgo1..5 of (race, runner) from RunDayNumber1..5 of (race,
// runner) and TodayDayNumber (empty counts as 0). A run whose day number is "---" gets "---" in both
// and is passed over as a reference: the interval of a run reaches to the nearest more recent run
// with a day number, else to today's race. A race outside 1 to 12 or a runner outside 1 to 18 is
// not held by the tables and writes nothing.
void ComputeRunIntervals(model::Meeting& meeting, int race, int runner);

}  // namespace basic
