#pragma once
// The base time of the analysed race, the standard time of today's course and distance, and the race
// time level: how many tenths slower than the base time the race is expected to be run.

#include "model/meeting.h"

namespace analysis {
class frmAg3;
}

namespace secondary {

// Shows the base time of today's surface in window.Label18, and writes RaceTimeLevel and
// RaceTimeLevelText of race from the expected time in window.Label6 and shows the text in
// window.Label41. Without a base time the level and its text are "---". A race outside 1 to 12 writes
// nothing.
void ComputeRaceTimeLevel(analysis::frmAg3& window, model::Meeting& meeting, int race);

// The three-character text of a level: "+99" from 100 on, "+21", "+ 1", "- 4", "-19", "-99" at -100 and
// below.
model::Text RaceTimeLevelDisplay(const model::Text& level);

}  // namespace secondary
