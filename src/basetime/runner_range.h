#pragma once
// The runners a loop of the base-time build visits in one race.

#include "model/meeting.h"

namespace basetime {

// The race's runner count read as a number, taken once per race; never more than the tables' 28
// runners, since a damaged file can claim more.
int LastRunnerOf(const model::Meeting& meeting, int race);

}  // namespace basetime
