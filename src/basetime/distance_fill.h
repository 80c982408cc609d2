#pragma once
// Times for the distances of a course that have none, from the course's other distances.

#include "model/meeting.h"

namespace basetime {

// Fills the missing (zero) cells of the course's row of StdTimeWork, 1000 m first and then upward;
// present cells keep their texts.
void FillMissingDistances(model::Meeting& meeting, int course);

}  // namespace basetime
