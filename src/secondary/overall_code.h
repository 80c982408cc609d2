#pragma once
// The last steps of the secondary analysis: the race's current-ability average with its class
// position beside the runner grid, and per runner the predicted time, the training state and the
// overall code of the four grades, with the runner grid's last columns.

#include "analysis/runner_grid.h"
#include "model/meeting.h"
#include "ui/controls.h"

namespace secondary {

// average (Label24): the mean of the race's current abilities (AbilitySum / AbilityCount) cut down to tenths,
// with its sign; class_position (Label25): the class position of that caption on today's surface and course,
// "----" for a surface other than "1" and "0". A race where no runner has a current ability (a debut race)
// has no mean: the average shows "***" and the class position "----". A race outside 1 to 12 writes nothing.
void ShowRaceClassAverage(ui::Label& average, ui::Label& class_position, model::Meeting& meeting, int race);

// PredictedTime of runners 1 to runners (at most 18): the base time caption (Label18's) moved by the
// runner's current ability in tenths of a second. "*.**.*" for a runner without a current ability,
// for every runner while the caption holds no time ("  1.36.2"), and where the time comes to 0 s or less.
void ComputePredictedTimes(const model::Text& base_time, model::Meeting& meeting, int race, int runners);

// TrainingState of race and runners 1 to runners: the first of the three training trend words that
// is not four blanks (else the third, whatever it holds); and the runner grid's improvement value and
// grade ④, training state and predicted time.
void FillTrainingAndTimeColumns(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race,
                                int runners);

// OverallGrade of runners 1 to runners and the overall column: the grades ① ② ③ ④ side by side ("98-*"),
// "----" for a runner without a current ability (grade ② "-").
void ComputeOverallCodes(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race, int runners);

}  // namespace secondary
