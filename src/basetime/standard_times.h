#pragma once
// The standard-time tables: derived from the class averages, surface by surface and course by
// course, through the work row.

#include "model/meeting.h"

namespace basetime {

// Stores the course's row of StdTimeWork into TurfStdTime (surface 1) or DirtStdTime (surface 2)
// as "###.0"; any other surface stores nothing.
void StoreStandardTimes(model::Meeting& meeting, int surface, int course);

// For turf, then dirt: combine all courses' class averages, then per course fill, smooth and store.
void DeriveStandardTimes(model::Meeting& meeting);

}  // namespace basetime
