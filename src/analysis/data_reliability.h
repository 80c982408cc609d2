#pragma once
// The data-reliability colours of the past-run grid: each past run of every runner of the analysed
// race is pink when it was run under today's condition (same surface, same central course, distance
// within 300 m either way), yellow under a near one (the same at another central course). The colours
// stay while the views change, since a view writes only texts.

#include "model/meeting.h"
#include "model/text.h"

namespace analysis {

class frmAg3;

// How comparable a past run is with today's race.
enum class RunReliability { kUnrated, kNear, kSame };

// A race's condition as the tables hold it: surface code ("0" dirt, "1" turf, " " no run), distance in
// metres and two-digit course code (below 10 the central courses), all as raw text.
struct RaceCondition {
  model::Text surface_code;
  model::Text distance;
  model::Text course_code;
};

// A past run against today's race. Surfaces are compared as text, and only when today's code names
// turf or dirt; distances and course codes by their numeric values (a blank code reads as course 0).
RunReliability RateRun(const RaceCondition& run, const RaceCondition& today);

// Colours the run cells of runners 1 to n of the analysed race afresh: all white first, then pink
// and yellow by RateRun, so that no colour of an earlier race stays. Nothing without a confirmed
// race. The basic analysis runs it at its end also when the switch is already ticked.
void ColourByDataReliability(frmAg3& window, const model::Meeting& meeting);

}  // namespace analysis
