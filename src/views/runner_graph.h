#pragma once
// One runner's plot on the graph window: its name in the caption, a marker per past run in each of
// the three frames over the days before today's race (red on turf, blue on dirt), and the race's
// expected level as two lines. Drawn over the empty frames the press restored just before.

#include "model/meeting.h"
#include "model/text.h"

namespace views {

class frmAg14;

// The caption naming runner j of race: horse, sex and age, sire and dam, each name cut to 10
// characters.
model::Text GraphCaption(const model::Meeting& meeting, int race, int j);

// The y of the race's two lines on the evaluation frame (the second lies 200 below): the estimated
// winning time against today's standard time on the race's surface.
double RaceLineY(const model::Meeting& meeting, int race);

// Plots runner j (1 to 18) of race (1 to 12).
void PlotRunner(const model::Meeting& meeting, frmAg14& window, int race, int j);

}  // namespace views
