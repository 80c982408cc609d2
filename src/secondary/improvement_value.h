#pragma once
// The improvement value: how far the mean of a runner's provisional values of runs 2 and 1 lies below
// the mean of runs 3 and 2, as a ratio in hundredths, and grade ④ of it by fixed thresholds.

#include "model/meeting.h"

namespace secondary {

// Reads ProvEvalSigned1..3 and 5 of runners 1..runners (at most 18) and writes RisePairOlder,
// RisePairRecent, RiseRatio ("+0.08") and RiseValue ("+08"). Without a valid run (ProvEvalSigned5 is
// "---") RiseRatio is "****", RiseValue "***" and the pair means keep their texts. A race outside 1
// to 12 writes nothing.
void ComputeImprovementValues(model::Meeting& meeting, int race, int runners);

// Writes GradeRise of runners 1..runners from RiseValue: "9" from 30 up, down to "1" from 0, "0"
// above -10, "*" at -10 and below, "-" for "***". A race outside 1 to 12 writes nothing.
void GradeImprovementValues(model::Meeting& meeting, int race, int runners);

}  // namespace secondary
