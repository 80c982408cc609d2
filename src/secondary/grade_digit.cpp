#include "secondary/grade_digit.h"

#include "secondary/secondary_analysis_tables.h"

namespace secondary {

namespace {

using model::Text;

constexpr int kSteps = 10;

}  // namespace

Text GradeDigit(std::optional<double> value, double lowest, double step) {
  if (!value) return kNoGrade;
  for (int k = 1; k <= kSteps; ++k) {
    // The bounds are lowest + step × k, not steps added one by one, so each is as exact as the rule's.
    if (*value <= lowest + step * k) return Text(1, static_cast<char16_t>(u'0' + kSteps - k));
  }
  return kGradeBeyondSteps;
}

}  // namespace secondary
