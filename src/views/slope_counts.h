#pragma once
// The slope view's count of runs: slot C of a slope workout holds the count followed by "回",
// padded with blanks; the view shortens it, in the shared tables, to the count and "回".

#include "model/meeting.h"
#include "model/text.h"

namespace views {

// The count before the first "回" and the "回": two or more ASCII digits just before it are all
// kept, otherwise the one character before it (a single digit, or whatever else stands there). A
// text without "回", or with "回" first, is returned unchanged. Shortening a shortened text
// changes nothing.
model::Text ShortenSlopeCount(const model::Text& slot);

// Shortens slot C of the three workouts of that runner of race, in place; a race outside 1 to 12 or a
// runner outside 1 to 28 changes nothing.
void ShortenSlopeCounts(model::Meeting& meeting, int race, int runner);

}  // namespace views
