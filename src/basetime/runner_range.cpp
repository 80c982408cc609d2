#include "basetime/runner_range.h"

#include "intake/race_card_tables.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"

namespace basetime {

int LastRunnerOf(const model::Meeting& meeting, int race) {
  const double count = model::TextToNumber(meeting.Group<intake::RaceCardTables>().RunnerCount(race));
  // A loop from 1 to a count below 1 runs no runner; a fractional count stops at its whole part.
  if (!(count >= 1)) return 0;
  if (count >= model::kRunnersHeld) return model::kRunnersHeld;
  return static_cast<int>(model::FloorNumber(count));
}

}  // namespace basetime
