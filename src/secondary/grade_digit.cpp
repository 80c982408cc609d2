#include "secondary/grade_digit.h"

namespace secondary {

namespace {

constexpr int kSteps = 10;
constexpr char16_t kBestDigit = u'9';
const model::Text kBeyondTheSteps = u"*";

}  // namespace

model::Text GradeDigit(double value, double start, double step) {
  for (int steps = 1; steps <= kSteps; ++steps) {
    if (value <= start + step * steps) return model::Text(1, static_cast<char16_t>(kBestDigit - (steps - 1)));
  }
  return kBeyondTheSteps;
}

}  // namespace secondary
