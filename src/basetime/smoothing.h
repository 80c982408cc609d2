#pragma once
// Evening out a course's row so that neighbouring distances lie 6 to 7 seconds apart per 100 m.

#include <functional>

#include "model/meeting.h"

namespace basetime {

// One pass over the eleven neighbouring pairs of the course's row of StdTimeWork, shortest first;
// a step below 6 s per 100 m is widened to 6, one of 7 or more narrowed to 7, keeping the pair's
// mean. A row whose 1000 m cell is 0 (no data) is left alone.
void SmoothDistanceStepsPass(model::Meeting& meeting, int course);

// The smoothing of the build: exactly three passes. after_pass, when given, sees the row after each
// pass (1 to 3), a skipped one included.
void SmoothDistanceSteps(model::Meeting& meeting, int course,
                         const std::function<void(int pass)>& after_pass = nullptr);

}  // namespace basetime
