#include "basetime/smoothing.h"

#include "basetime/base_time_tables.h"
#include "model/numbers.h"

namespace basetime {

using model::NumberToText;
using model::TextToNumber;

namespace {

constexpr double kLowestStep = 6;
constexpr double kHighestStep = 7;

// The pairs 1000/1200, 1200/1400 and 1800/2000 m span two 100 m steps; the others one.
int HundredsBetween(int lower) {
  return lower == 1 || lower == 2 || lower == 7 ? 2 : 1;
}

// Moves the pair's times (low and high, as read from their cells) towards a step of 6 to 7; true
// when it wrote them.
bool SmoothPair(CourseDistanceTable& work, int course, int lower, double low, double high) {
  const int upper = lower + 1;
  const bool wide = HundredsBetween(lower) == 2;
  const double step = wide ? (high - low) / 2 : high - low;
  if (step >= kLowestStep && step < kHighestStep) return false;
  if (step < kLowestStep) {
    const double shift = wide ? kLowestStep - step : (kLowestStep - step) / 2;
    work(course, lower) = NumberToText(low - shift);
    work(course, upper) = NumberToText(high + shift);
  } else {
    const double shift = wide ? step - kHighestStep : (step - kHighestStep) / 2;
    work(course, lower) = NumberToText(low + shift);
    work(course, upper) = NumberToText(high - shift);
  }
  return true;
}

}  // namespace

void SmoothDistanceStepsPass(model::Meeting& meeting, int course) {
  CourseDistanceTable& work = meeting.Group<BaseTimeTables>().StdTimeWork;
  double low = TextToNumber(work(course, 1));
  if (low == 0) return;
  for (int lower = 1; lower <= 11; ++lower) {
    const double high = TextToNumber(work(course, lower + 1));
    // A written time counts as its stored digits; an unwritten one is the text just read.
    low = SmoothPair(work, course, lower, low, high) ? TextToNumber(work(course, lower + 1)) : high;
  }
}

void SmoothDistanceSteps(model::Meeting& meeting, int course,
                         const std::function<void(int pass)>& after_pass) {
  for (int pass = 1; pass <= 3; ++pass) {
    SmoothDistanceStepsPass(meeting, course);
    if (after_pass) after_pass(pass);
  }
}

}  // namespace basetime
