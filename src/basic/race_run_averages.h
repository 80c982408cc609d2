#pragma once
// The race average of each past-run column of the analysed race: the mean of the evaluations of the
// runs that count today, a missing column filled from its neighbours where the pattern allows, kept
// per race as signed text and shown under the past-run grid.

#include <optional>

#include "model/meeting.h"
#include "model/text.h"

namespace analysis {
class frmAg3;
}

namespace basic {

// Reads RunEval1..5 and RunValid1..5 of runners 1..runners (at most 18) and writes RaceRunAvg1..5 at
// race and the captions of window.Label19 (five runs back) to Label23 (the last run). A race outside
// 1..12 writes nothing.
void ComputeRaceRunAverages(analysis::frmAg3& window, model::Meeting& meeting, int race, int runners);

// The signed text of an average to one decimal ("+ 5.3", "+12.0", "- 3", "-12.3", "+99", "-99"), "---"
// for no value.
model::Text RaceAverageText(std::optional<double> average);

}  // namespace basic
