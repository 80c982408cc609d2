#pragma once
// The class of each past run of the analysed race by course and surface against today's surface: "1"
// a run at no central course (or no run), "2" turf run and turf today, "3" turf run and dirt today, "4"
// dirt run and dirt today, "5" dirt run and turf today.

#include "model/meeting.h"

namespace basic {

// Classifies the five runs of runners 1 to runners of race into RunSurfaceMatch1 to RunSurfaceMatch5.
void ClassifyRunSurfaces(model::Meeting& meeting, int race, int runners);

}  // namespace basic
