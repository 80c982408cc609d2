#pragma once
// The standard-time tables: derived from the class averages, surface by surface and course by
// course, through the work row.

#include <functional>

#include "model/meeting.h"

namespace basetime {

// A work cell as the standard-time tables and the check window show it: "###.0".
model::Text StandardTimeText(const model::Text& work);

// Stores the course's row of StdTimeWork into TurfStdTime (surface 1) or DirtStdTime (surface 2)
// as "###.0"; any other surface stores nothing.
void StoreStandardTimes(model::Meeting& meeting, int surface, int course);

// Sees a course's work row between the stages of its derivation: after the fill (stage 0) and after
// each of the three smoothing passes (stages 1 to 3), before the row is stored.
using StageWatcher = std::function<void(int surface, int course, int stage)>;

// For turf, then dirt: combine all courses' class averages, then per course fill, smooth and store.
// after_stage, when given, is called between the stages (the check window shows the work row).
void DeriveStandardTimes(model::Meeting& meeting, const StageWatcher& after_stage = nullptr);

}  // namespace basetime
