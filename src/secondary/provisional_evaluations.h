#pragma once
// A provisional evaluation for every one of a runner's five past runs: a run that counts today keeps
// its own evaluation, a run that does not is estimated from the runner's other runs, each moved to the
// missing run's position by the race averages of the two positions.

#include "model/meeting.h"

namespace secondary {

// Writes ProvEval1..5 of runner from RunMask, RunEval1..5 of runner and RaceRunAvg1..5 of race:
// "----" for all five when no run counts ("11111"); otherwise runs 5 to 1 in turn, a counting run's
// RunEval text copied, any other run estimated as a whole number from every older run and every
// counting newer run. A mask other than five marks "5" or "1", a race outside 1 to 12 or a runner
// outside 1 to 18 writes nothing.
void EstimateProvisionalEvaluations(model::Meeting& meeting, int race, int runner);

}  // namespace secondary
