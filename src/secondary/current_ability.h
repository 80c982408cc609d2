#pragma once
// The current ability (現力値) of each runner: the mean of its two latest damped provisional values,
// moved by a weighted trend of the pair means from the oldest runs to the latest; the race's running
// sum and count of it; and grade ②, steps of 6 from the race's lowest current ability.

#include "analysis/runner_grid.h"
#include "model/meeting.h"

namespace secondary {

// Sets AbilitySum and AbilityCount to "0": the start of every pass that computes current abilities.
void ResetAbilityAverage(model::Meeting& meeting);

// Writes CurrentAbility and CurrentAbilityText of runner from ProvEval1..5 and RunMask ("***" for
// both when no run counts), and adds a value to AbilitySum and 1 to AbilityCount. A race outside 1 to
// 12 or a runner outside 1 to 18 writes nothing.
void ComputeCurrentAbility(model::Meeting& meeting, int race, int runner);

// After every runner's current ability: writes GradeAbility of runners 1 to runners (at most 18)
// against the lowest current ability among them (100 when none is lower), then their texts and
// grades into columns 4 and 5 of the runner grid. A race outside 1 to 12 writes nothing.
void GradeCurrentAbilities(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race, int runners);

}  // namespace secondary
