#pragma once
// The race average of each past-run column of the analysed race: the mean of the evaluations of the
// runs that count today, a missing column filled from its neighbours where the pattern allows, kept
// per race as signed text and shown under the past-run grid.

#include <optional>

#include "model/meeting.h"
#include "model/text.h"
#include "ui/controls.h"

namespace basic {

// The captions under the past-run grid's run columns, from the run five back to the last.
struct RunAverageLabels {
  ui::Label& five_back;
  ui::Label& four_back;
  ui::Label& three_back;
  ui::Label& two_back;
  ui::Label& last;
};

// Reads RunEval1..5 and RunValid1..5 of runners 1..runners (at most 18) and writes RaceRunAvg1..5 at
// race and the captions of labels. A race outside 1..12 writes nothing.
void ComputeRaceRunAverages(const RunAverageLabels& labels, model::Meeting& meeting, int race, int runners);

// The signed text of an average to one decimal ("+ 5.3", "+12.0", "- 3", "-12.3", "+99", "-99"), "---"
// for no value.
model::Text RaceAverageText(std::optional<double> average);

}  // namespace basic
