#pragma once
// The trend codes of a runner's three training workouts as words.

#include "model/meeting.h"

namespace basic {

// For runners 1 to the race's runner count (at most the 28 the tables hold): TrainTrendWord1 to
// TrainTrendWord3 from TrainTrendCode1 (race card) and TrainTrendCode2 and TrainTrendCode3 (the
// training-text parse), every word written, four blanks for a code whose number is not 1 to 5. A
// race outside 1 to 12 writes nothing.
void WriteTrainingTrendWords(model::Meeting& meeting, int race);

}  // namespace basic
