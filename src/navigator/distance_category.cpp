#include "navigator/distance_category.h"

#include "intake/race_card_tables.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"

namespace navigator {

DistanceCategory DistanceCategoryOf(const model::Text& distance_text) {
  const double d = model::TextToNumber(distance_text);
  if (d <= 1400) return DistanceCategory::kShort;
  if (d >= 1500 && d <= 1800) return DistanceCategory::kMiddle;
  if (d >= 2000 && d <= 2400) return DistanceCategory::kLong;
  return DistanceCategory::kNone;
}

DistanceCategory RaceDistanceCategory(const model::Meeting& meeting, int race) {
  if (!model::IsRace(race)) return DistanceCategory::kNone;
  return DistanceCategoryOf(meeting.Group<intake::RaceCardTables>().RaceDistanceLabel(race));
}

}  // namespace navigator
