#pragma once
// The predicted times the analysis sheet prints: recomputed from the base time the analysis window
// shows, so that the sheet and its base-time caption always agree.

#include "model/meeting.h"
#include "model/text.h"

namespace recommend {

// The predicted time of a runner from the base time caption (trimmed, it must read like "1.11.5"
// or "0.56.8") and the runner's current ability in tenths of a second: minutes, ".", two-digit
// seconds, ".", tenths, the seconds rounded half away from zero to the tenth and carried into the
// minutes ("1.59.8" and 5 give "2.00.3"). "*.**.*" for a current ability of "***", for a caption that
// is no time, and for a time of 0 or less.
model::Text SheetPredictedTime(const model::Text& base_time_caption, const model::Text& current_ability);

// Rewrites PredictedTime of runners 1 to runners (at most the 18 the table holds) from the caption.
void RecomputePredictedTimes(model::Meeting& meeting, const model::Text& base_time_caption, int runners);

}  // namespace recommend
