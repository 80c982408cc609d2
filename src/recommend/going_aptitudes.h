#pragma once
// Going aptitudes: each runner's record on turf and dirt for the four goings, as read from the horse
// file, turned into a value that grows with its placings.

#include "model/meeting.h"
#include "model/text.h"

namespace recommend {

// The counts of first, second and third places and of other finishes.
struct PlacingCounts {
  double firsts;
  double seconds;
  double thirds;
  double others;
};

// The four counts of a record-count text: the two characters at positions 1, 4, 7 and 10, each read
// as a number (" 3" and "03" both 3; blanks or an empty text 0); a negative count counts 0.
PlacingCounts ReadPlacingCounts(const model::Text& record);

// "+" and the whole value (top-three rate in whole percent plus ten times 6 per first, 3 per second
// and 1 per third) when the horse has a top-three finish; "-10" with runs but none in the first
// three; "---" without runs.
model::Text AptitudeText(const PlacingCounts& counts);

// Writes the eight aptitude tables, AptitudeTurfGood to AptitudeDirtBad, of (race, runner) for runners
// 1..runners (at most 18) from RecordCounts06..13. A race outside 1 to 12 writes nothing.
void ComputeGoingAptitudes(model::Meeting& meeting, int race, int runners);

}  // namespace recommend
