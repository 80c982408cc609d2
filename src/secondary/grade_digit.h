#pragma once
// The one-character grade of a runner's value within its race, for values where lower is better.

#include <optional>

#include "model/text.h"

namespace secondary {

// "9" when value is at most lowest + step, "8" at most lowest + 2 × step, and so on down to "0" at
// most lowest + 10 × step; "*" beyond that; "-" without a value. Each step holds its upper bound.
model::Text GradeDigit(std::optional<double> value, double lowest, double step);

}  // namespace secondary
