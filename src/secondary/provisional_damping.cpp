#include "secondary/provisional_damping.h"

#include <cmath>

#include "analysis/runner_grid.h"
#include "basic/basic_analysis_tables.h"
#include "basic/value_texts.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"
#include "secondary/secondary_analysis_tables.h"
#include "ui/grid.h"

namespace secondary {

namespace {

using model::Text;

constexpr double kLargestSteadyJump = 20;
constexpr double kLowestShown = -100;
const Text kWholePattern = u"0";
// The oldest run's text at the lower bound carries a blank after its digits.
const Text kOldestRunLowestSuffix = u" ";
const Text kOtherSurfaceMark = u".";
const Text kTodaysSurfaceMark = u" ";

bool HoldsRunner(int race, int runner) {
  return model::IsRace(race) && model::IsAnalysedRunner(runner);
}

// Moves a pair of neighbouring runs towards each other when they lie more than 20 apart.
void DampPair(Text& older, Text& newer) {
  const double a = model::TextToNumber(older);
  const double b = model::TextToNumber(newer);
  const double d = std::fabs(a - b);
  if (d <= kLargestSteadyJump) return;
  const double k = model::FloorNumber((d - kLargestSteadyJump) / 2) + 1;
  if (b < a) {
    older = model::NumberToText(a - k);
    newer = model::NumberToText(b + k);
  } else {
    older = model::NumberToText(a + k);
    newer = model::NumberToText(b - k);
  }
}

// The value as the signed text shows it: rounded to a whole number, halves away from zero.
double ShownValue(const Text& value_text) {
  return model::PatternNumberThroughText(model::TextToNumber(value_text), kWholePattern);
}

Text SignedTextOfRun(const Text& provisional, int run) {
  Text text = basic::SignedValueText(provisional);
  if (run == model::kPastRuns && ShownValue(provisional) <= kLowestShown) text += kOldestRunLowestSuffix;
  return text;
}

// Codes "1", "3" and "5": no usable run, or a run on the other surface than today's.
bool OffTodaysSurface(const Text& surface_match) {
  return surface_match == u"1" || surface_match == u"3" || surface_match == u"5";
}

}  // namespace

void DampProvisionalEvaluations(model::Meeting& meeting, int race, int runner) {
  if (!HoldsRunner(race, runner)) return;
  model::AnalysedRunnerFamily& provisional = meeting.Group<SecondaryAnalysisTables>().ProvEval;
  for (int older = model::kPastRuns; older >= 2; --older)
    DampPair(provisional[older](runner), provisional[older - 1](runner));
}

void BuildProvisionalTexts(analysis::PastRunGridWriter& grid, model::Meeting& meeting, int race, int runner) {
  if (!HoldsRunner(race, runner)) return;
  const basic::BasicAnalysisTables& basic = meeting.Group<basic::BasicAnalysisTables>();
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  const bool no_run_counts = basic.RunMask(runner) == basic::kNoRunCountsMask;
  for (int run = model::kPastRuns; run >= 1; --run) {
    t.ProvEvalSigned[run](runner) =
        no_run_counts ? kNoProvEvalSigned : SignedTextOfRun(t.ProvEval[run](runner), run);
  }
  for (int run = model::kPastRuns; run >= 1; --run) {
    const bool off_today = OffTodaysSurface(basic.RunSurfaceMatch[run](runner));
    t.ProvEvalText[run](runner) =
        t.ProvEvalSigned[run](runner) + (off_today ? kOtherSurfaceMark : kTodaysSurfaceMark);
  }
  for (int run = model::kPastRuns; run >= 1; --run) {
    grid.SetCellText(analysis::RunnerRow(runner), analysis::PastRunColumnOf(run),
                     t.ProvEvalText[run](runner));
  }
}

}  // namespace secondary
