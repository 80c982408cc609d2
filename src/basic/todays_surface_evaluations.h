#pragma once
// The evaluation of each past run that counts for today's race, whether the run counts at all, and the
// runner's mask of the five marks, oldest run first ("11155": only the last two runs count).

#include "model/meeting.h"

namespace basic {

// Writes RunEval1 to RunEval5, RunValid1 to RunValid5 and RunMask for runners 1 to runners of race.
void PickTodaysSurfaceEvaluations(model::Meeting& meeting, int race, int runners);

}  // namespace basic
