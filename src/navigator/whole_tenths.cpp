#include "navigator/whole_tenths.h"

#include <algorithm>
#include <cmath>

#include "model/numbers.h"

namespace navigator {

namespace {

// Far beyond any value of the tables, and well inside what a long long holds.
constexpr double kBound = 1e15;

}  // namespace

long long WholeTenths(double value) {
  if (std::isnan(value)) return 0;
  return std::llround(std::clamp(value * 10, -kBound, kBound));
}

long long WholeTenths(const model::Text& text) {
  return WholeTenths(model::TextToNumber(text));
}

}  // namespace navigator
