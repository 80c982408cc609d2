#pragma once
// The last steps of the secondary analysis: the race's current-ability average with its class
// position beside the runner grid, and per runner the predicted time, the training state and the
// overall code of the four grades, with the runner grid's last columns.

#include "model/meeting.h"

namespace analysis {
class frmAg3;
}

namespace secondary {

// Label24: the mean of the race's current abilities (AbilitySum / AbilityCount) cut down to tenths,
// with its sign; Label25: the class position of that caption on today's surface and course, "----"
// for a surface other than "1" and "0". A race where no runner has a current ability (a debut race)
// has no mean: Label24 shows "***" and Label25 "----". A race outside 1 to 12 writes nothing.
void ShowRaceClassAverage(analysis::frmAg3& window, model::Meeting& meeting, int race);

// PredictedTime of runners 1 to runners (at most 18): the base time in Label18's caption moved by the
// runner's current ability in tenths of a second. "*.**.*" for a runner without a current ability,
// for every runner while Label18 holds no time ("  1.36.2"), and where the time comes to 0 s or less.
void ComputePredictedTimes(analysis::frmAg3& window, model::Meeting& meeting, int race, int runners);

// TrainingState of race and runners 1 to runners: the first of the three training trend words that
// is not four blanks (else the third, whatever it holds); and the runner grid's columns 14 and 15
// (improvement value and grade ④), 17 (training state) and 19 (predicted time).
void FillTrainingAndTimeColumns(analysis::frmAg3& window, model::Meeting& meeting, int race, int runners);

// OverallGrade of runners 1 to runners and column 21: the grades ① ② ③ ④ side by side ("98-*"),
// "----" for a runner without a current ability (grade ② "-").
void ComputeOverallCodes(analysis::frmAg3& window, model::Meeting& meeting, int race, int runners);

}  // namespace secondary
