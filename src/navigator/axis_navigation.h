#pragma once
// Axis-horse candidates of the analysed race: five criteria per runner, tested in an order that
// depends on the race's distance category; a runner that passes all five is an "Ａ軸", one that passes
// the first four and fails the fifth a "Ｂ軸". Every criterion passes on a value at or below its
// limit (休養 strictly below), compared in whole tenths; a missing value fails its criterion, except
// a missing back 3F, which leaves the fifth criterion of the long category untested.

#include <array>

#include "model/meeting.h"
#include "model/text.h"
#include "navigator/distance_category.h"

namespace navigator {

enum class Criterion { kRest, kTotal6F, kSpeed, kAbility, kMean, kBack3F };
enum class CriterionResult { kUntested, kPassed, kFailed };
enum class AxisMark { kNone, kA, kB };

inline constexpr int kCriteria = 5;

// The criteria of a category in column order (columns 4 to 8); the short ones for kNone.
std::array<Criterion, kCriteria> CategoryCriteria(DistanceCategory category);

// Limits of one race in whole tenths, formed once per press from its time level (a text without
// a number, such as "---", counts 0) and, for the back 3F, from the best of its n runners.
struct NavigationLimits {
  long long speed = 0;    // level + 10
  long long ability = 0;  // level + 12, also the mean's limit
  long long back_3f = 0;  // the field's best back 3F (100 when none is below it) + 1.2
};
NavigationLimits LimitsOf(const model::Meeting& meeting, int race, int runner_count);

// The text the navigator shows for a criterion of a runner.
model::Text ShownText(const model::Meeting& meeting, int race, int runner, Criterion criterion);

CriterionResult TestCriterion(const model::Meeting& meeting, int race, int runner, Criterion criterion,
                              const NavigationLimits& limits);

// One runner's row: what each column 4 to 8 shows and how it came out (every criterion after a
// failed one of the first four counts as failed: the grid greys it), and its mark.
struct RunnerNavigation {
  std::array<model::Text, kCriteria> shown;
  std::array<CriterionResult, kCriteria> results{};
  AxisMark mark = AxisMark::kNone;
};
RunnerNavigation NavigateRunner(const model::Meeting& meeting, int race, int runner,
                                DistanceCategory category, const NavigationLimits& limits);

}  // namespace navigator
