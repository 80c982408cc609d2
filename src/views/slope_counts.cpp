#include "views/slope_counts.h"

#include <algorithm>

#include "model/meeting_shape.h"
#include "model/text_ops.h"
#include "views/training_workouts.h"

namespace views {

using model::Text;

namespace {

const Text kRunsMark = u"回";

// How many ASCII digits stand just before position p (1-based).
int DigitsBefore(const Text& text, int p) {
  int count = 0;
  while (count < p - 1 && model::IsAsciiDigit(text[static_cast<size_t>(p - 2 - count)])) ++count;
  return count;
}

}  // namespace

Text ShortenSlopeCount(const Text& slot) {
  const int p = model::InStr(slot, kRunsMark);
  if (p <= 1) return slot;
  const int kept = std::max(DigitsBefore(slot, p), 1);
  return model::Mid(slot, p - kept, kept) + kRunsMark;
}

void ShortenSlopeCounts(model::Meeting& meeting, int race, int runner) {
  if (!model::IsRace(race) || runner < 1 || runner > model::kRunnersHeld) return;
  for (int k = 1; k <= kWorkouts; ++k) {
    Text& slot = TablesOfWorkout(meeting, k).slot_c(race, runner);
    slot = ShortenSlopeCount(slot);
  }
}

}  // namespace views
