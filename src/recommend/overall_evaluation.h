#pragma once
// The overall evaluation (総合評価): each runner's four grades weighted by the race's surface and
// distance category; its gap below the field's reference; the race's score bins of those gaps.

#include <optional>

#include "model/meeting.h"
#include "model/text.h"

namespace recommend {

// The weights of grades ① speed, ② current ability, ③ 3F and ④ improvement.
struct GradeWeights {
  double speed;
  double ability;
  double three_furlong;
  double rise;
  bool operator==(const GradeWeights&) const = default;
};

// The number of a text that, blanks trimmed, is an optional sign and ASCII digits with at most one
// point; nullopt for any other text (empty, "1200m", "1e3", "--1").
std::optional<double> StrictNumber(const model::Text& text);

// The weights of a race with surface code surface ("0" dirt, "1" turf) and distance in metres, short
// 1000-1400, middle 1500-1800, long 2000-2400, bounds included; all 0 for any other surface or
// distance, or a text that is not strictly a number.
GradeWeights WeightsOf(const model::Text& surface, const model::Text& distance);

// The overall evaluation of one runner's grade texts: "0" when ② is "-"; else the weighted sum, "*"
// counting -1 and any other text its number ("-" reads 0).
model::Text OverallEvaluation(const GradeWeights& weights, const model::Text& speed,
                              const model::Text& ability, const model::Text& three_furlong,
                              const model::Text& rise);

// Writes OverallEval and OverallGap of runners 1..runners (at most 18) and ScoreBin1..11 of race. A
// race outside 1 to 12 writes nothing.
void ComputeOverallEvaluations(model::Meeting& meeting, int race, int runners);

}  // namespace recommend
