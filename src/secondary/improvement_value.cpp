#include "secondary/improvement_value.h"

#include <algorithm>
#include <cmath>

#include "model/meeting_shape.h"
#include "model/numbers.h"
#include "model/text_ops.h"
#include "secondary/secondary_analysis_tables.h"

namespace secondary {

namespace {

using model::Text;

constexpr int kOldestRun = model::kPastRuns;

const Text kNoRatio = u"****";
// Pair means 120 tenths apart make a ratio of 1.
constexpr double kRatioDivisor = 120;

// The lower bound of each grade from "9" down to "1"; "0" lies above kLowestZeroGrade.
struct GradeStep {
  double lower_bound;
  const char16_t* grade;
};
constexpr GradeStep kGradeSteps[] = {{30, u"9"}, {25, u"8"}, {20, u"7"}, {15, u"6"}, {10, u"5"},
                                     {8, u"4"},  {6, u"3"},  {3, u"2"},  {0, u"1"}};
constexpr double kLowestZeroGrade = -10;

double NumberIn(const SecondaryAnalysisTables& t, int run, int runner) {
  return model::TextToNumber(t.ProvEvalSigned[run](runner));
}

// The magnitude's hundredths as a whole number of at least two digits ("0.05" is "05", "1.23" is
// "123"). A short "digits.dd" text gives its digits without the point, as 100 times its value would
// round to; any other text goes through the numbers.
Text HundredthsOf(const Text& magnitude) {
  constexpr size_t kLongestDirect = 8;  // "99999.99"
  const size_t size = magnitude.size();
  const bool direct = size >= 4 && size <= kLongestDirect && magnitude[size - 3] == u'.' &&
                      std::all_of(magnitude.begin(), magnitude.end() - 3, model::IsAsciiDigit) &&
                      model::IsAsciiDigit(magnitude[size - 2]) && model::IsAsciiDigit(magnitude[size - 1]);
  if (!direct) return model::NumberToPatternText(100 * model::TextToNumber(magnitude), u"00");
  Text digits = magnitude.substr(0, size - 3) + magnitude.substr(size - 2);
  const size_t first = std::min(digits.find_first_not_of(u'0'), digits.size() - 2);
  return digits.substr(first);
}

// The ratio's sign is its own, also where the magnitude rounds to nothing ("-0.00", "-00").
void ComputeImprovementValue(SecondaryAnalysisTables& t, int runner) {
  if (t.ProvEvalSigned[kOldestRun](runner) == kNoProvEvalSigned) {
    t.RiseRatio(runner) = kNoRatio;
    t.RiseValue(runner) = kNoValue;
    return;
  }
  const double run1 = NumberIn(t, 1, runner);
  const double run2 = NumberIn(t, 2, runner);
  const double run3 = NumberIn(t, 3, runner);
  t.RisePairOlder(runner) = model::NumberToText((run3 + run2) / 2);
  t.RisePairRecent(runner) = model::NumberToText((run2 + run1) / 2);
  const double ratio =
      (model::TextToNumber(t.RisePairOlder(runner)) - model::TextToNumber(t.RisePairRecent(runner))) /
      kRatioDivisor;
  const Text magnitude = model::NumberToPatternText(std::abs(ratio), u"0.00");
  const Text hundredths = HundredthsOf(magnitude);
  const Text sign = ratio >= 0 ? u"+" : u"-";
  t.RiseRatio(runner) = sign + magnitude;
  t.RiseValue(runner) = sign + hundredths;
}

Text GradeRiseOf(const Text& rise_value) {
  if (rise_value == kNoValue) return kNoGrade;
  const double value = model::TextToNumber(rise_value);
  for (const GradeStep& step : kGradeSteps) {
    if (value >= step.lower_bound) return step.grade;
  }
  return value > kLowestZeroGrade ? u"0" : kGradeBeyondSteps;
}

}  // namespace

void ComputeImprovementValues(model::Meeting& meeting, int race, int runners) {
  if (!model::IsRace(race)) return;
  runners = model::AnalysedRunners(runners);
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  for (int runner = 1; runner <= runners; ++runner) ComputeImprovementValue(t, runner);
}

void GradeImprovementValues(model::Meeting& meeting, int race, int runners) {
  if (!model::IsRace(race)) return;
  runners = model::AnalysedRunners(runners);
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  for (int runner = 1; runner <= runners; ++runner) t.GradeRise(runner) = GradeRiseOf(t.RiseValue(runner));
}

}  // namespace secondary
