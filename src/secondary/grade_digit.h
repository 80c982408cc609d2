#pragma once
// A runner's one-character grade within the race, counted in equal steps from a start value.

#include "model/text.h"

namespace secondary {

// "9" when value is at most start + step, "8" at most start + 2 step, and so on down to "0" at most
// start + 10 step; "*" beyond. Each step includes its upper bound. The grade of a runner without a
// value ("-") is the caller's, since each value marks its absence differently.
model::Text GradeDigit(double value, double start, double step);

}  // namespace secondary
