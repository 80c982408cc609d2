#pragma once
// Front and back 3-furlong values of each runner of the analysed race: the mean of the first and the
// last 3 furlongs of its runs that count today, each moved to today's pace and scaled to today's
// distance; the race's best values; and each runner's running style, read from its distance to them.

#include "analysis/runner_grid.h"
#include "model/meeting.h"

namespace secondary {

// Writes Front3FMean, Back3FMean, Front3FText, Back3FText and Total6FText of runner (1 to 18) of race
// and its front, back and total columns of the runner grid. Outside those bounds it writes nothing.
void ComputeThreeFurlongValues(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race,
                               int runner);

// Writes RaceBestFront3F and RaceBestBack3F of race from the texts of runners 1 to runners (at most
// 18): the text of the first runner with the smallest value, "100" when no runner has one.
void FindRaceBestThreeFurlongs(model::Meeting& meeting, int race, int runners);

// Writes RunningStyle of runners 1 to runners (at most 18) and column 12 of their rows of
// the runner grid, from their 3-furlong texts and the race's bests.
void AssignRunningStyles(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race, int runners);

}  // namespace secondary
