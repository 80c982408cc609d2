#pragma once
// One time per course and distance from the five class averages of a surface: a trimmed mean.

#include "model/meeting.h"

namespace basetime {

// Writes every cell of StdTimeWork from TurfClassAvg (surface 1) or DirtClassAvg (surface 2):
// "###.0" of the combined value, or "0" where no class has an average.
void CombineClassAverages(model::Meeting& meeting, int surface);

}  // namespace basetime
