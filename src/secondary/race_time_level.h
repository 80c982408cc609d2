#pragma once
// The base time of the analysed race, the standard time of today's course and distance, and the race
// time level: how many tenths slower than the base time the race is expected to be run.

#include "model/meeting.h"
#include "ui/controls.h"

namespace secondary {

// Where the level shows: the base time (Label18), the expected time it is measured against (Label6)
// and the level's text (Label41).
struct RaceTimeLevelLabels {
  ui::Label& base_time;
  const ui::Label& expected_time;
  ui::Label& level;
};

// Shows the base time of today's surface, and writes RaceTimeLevel and RaceTimeLevelText of race from
// the expected time and shows the text. Without a base time the level and its text are "---". A race outside
// 1 to 12 writes nothing.
void ComputeRaceTimeLevel(const RaceTimeLevelLabels& labels, model::Meeting& meeting, int race);

// The three-character text of a level: "+99" from 100 on, "+21", "+ 1", "- 4", "-19", "-99" at -100 and
// below.
model::Text RaceTimeLevelDisplay(const model::Text& level);

}  // namespace secondary
