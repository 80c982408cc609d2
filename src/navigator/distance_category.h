#pragma once
// The distance category of a race, which picks the navigator's grid and the order of its criteria.

#include "model/meeting.h"
#include "model/text.h"

namespace navigator {

// kNone: between the bands (above 1400 and below 1500 m, above 1800 and below 2000 m) or above 2400 m.
enum class DistanceCategory { kNone, kShort, kMiddle, kLong };

// From the leading number of a distance text, bounds included; a text without one reads 0 (short).
DistanceCategory DistanceCategoryOf(const model::Text& distance_text);

// The category of race `race` (1 to 12) by its distance label; kNone for any other race number.
DistanceCategory RaceDistanceCategory(const model::Meeting& meeting, int race);

}  // namespace navigator
