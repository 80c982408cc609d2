#pragma once
// Cuts the texts of training workouts 2 and 3 into the fields that workout 1 has on the race card.

#include "model/meeting.h"

namespace basic {

// For runners 1 to the race's runner count (at most the 28 the tables hold): parses TrainText2 and
// TrainText3 of the race card into the date, centre, course, going, time slices, running manner and
// trend code of timed work, or the remark of a workout without one (training_tables.h). A text
// without a "2" holds no workout and writes nothing; a field that the text does not give keeps its
// text. A race outside 1 to 12 writes nothing.
void ParseTrainingTexts(model::Meeting& meeting, int race);

}  // namespace basic
