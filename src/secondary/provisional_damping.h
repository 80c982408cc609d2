#pragma once
// A runner's provisional evaluations with every jump of more than 20 between neighbouring runs
// damped, and their texts: the signed text of each run, the 仮評価 cell text that marks a run not on
// today's surface with a point, and the runner's row of the past-run grid.

#include "analysis/runner_grid.h"
#include "model/meeting.h"

namespace secondary {

// Damps ProvEval1..5 of runner in place, pairs (5, 4), (4, 3), (3, 2), (2, 1) in that order, each read
// afresh: a pair more than 20 apart moves both values towards each other by floor((d - 20) / 2) + 1.
// Only the texts of moved values change. A race outside 1 to 12 or a runner outside 1 to 18 writes
// nothing.
void DampProvisionalEvaluations(model::Meeting& meeting, int race, int runner);

// Writes ProvEvalSigned1..5 of runner ("---" for all five when RunMask is "11111"; run 5 at -100 and
// below "-99 "), ProvEvalText1..5 (the signed text and "." for surface codes "1", "3", "5", a blank for
// any other) and row runner + 1 of the past-run grid, runs 5 to 1 in columns 1 to 5. A race outside 1
// to 12 or a runner outside 1 to 18 writes nothing.
void BuildProvisionalTexts(analysis::PastRunGridWriter& grid, model::Meeting& meeting, int race, int runner);

}  // namespace secondary
