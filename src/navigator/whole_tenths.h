#pragma once
// Values of the tables carry at most one decimal; the navigator and the evaluation window compare
// them with their limits in whole tenths, so that a value exactly at a limit is never lost to the
// binary fraction of a decimal sum such as 35.2 + 1.2.

#include "model/text.h"

namespace navigator {

// The leading number of the text (0 when there is none) in whole tenths, rounded to the nearest.
long long WholeTenths(const model::Text& text);
long long WholeTenths(double value);

}  // namespace navigator
