#pragma once
// Same-condition statistics of a runner's last five runs against today's race: which runs were run
// under comparable conditions (today's surface, a central course, within 300 m of today's distance;
// the same course or another one), and the mean, best, worst and half range of those usable runs.
// Lower values are better throughout.

#include <array>

#include "model/meeting.h"
#include "model/meeting_shape.h"
#include "model/text.h"

namespace navigator {

enum class RunCondition {
  kOther,  // not usable: missing, no evaluation, the other surface, too far, or no central course
  kSame,   // today's surface, course and distance band
  kNear,   // as kSame on another central course
};

// Past run b (1 the latest to 5) of runner `runner` of race `race`, by its evaluation text, course,
// surface and distance against today's race.
RunCondition PastRunCondition(const model::Meeting& meeting, int race, int runner, int b);

// The conditions of the runner's runs in grid column order: element k - 1 is past run 6 - k, the
// oldest run first. Writes UsableRunCount(race, runner) and packs the usable runs' texts into
// UsableRunValue(1.., runner) in that order.
std::array<RunCondition, model::kPastRuns> PackUsableRuns(model::Meeting& meeting, int race, int runner);

// RunMean, RunBest, RunWorst and RunSpread of (race, runner) from the usable runs packed last.
void StoreRunFigures(model::Meeting& meeting, int race, int runner);

}  // namespace navigator
