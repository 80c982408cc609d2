#include "secondary/six_furlong_difference.h"

#include <algorithm>

#include "analysis/runner_grid.h"
#include "model/numbers.h"
#include "model/text_ops.h"
#include "secondary/grade_digit.h"
#include "secondary/secondary_analysis_tables.h"

namespace secondary {

namespace {

using model::Text;

constexpr int kRaces = 12;
constexpr int kRunnersHeld = 18;

const Text kNoTotal = u"**.*";
const Text kNoDiff = u"**";
const Text kOnBest = u"00";
// No real total reaches it, so it stands for "no best yet" and is the best when no runner has a total.
const Text kBestStart = u"100";
constexpr double kGradeStep = 4;

bool HasTotal(const Text& total) {
  return model::Trim(total) != kNoTotal;
}

// The first of equal totals stays the best.
double BestTotal(const SecondaryAnalysisTables& t, int runners) {
  double best = model::TextToNumber(kBestStart);
  for (int runner = 1; runner <= runners; ++runner) {
    const Text& total = t.Total6FText(runner);
    if (!HasTotal(total)) continue;
    best = std::min(best, model::TextToNumber(total));
  }
  return best;
}

// The totals carry one decimal, so the difference in tenths is whole once rounded. A difference of
// 100 tenths or more keeps all its digits rather than leaving an earlier race's text behind.
Text DifferenceText(const Text& total, double best) {
  if (!HasTotal(total)) return kNoDiff;
  const double runner_total = model::TextToNumber(total);
  if (runner_total == best) return kOnBest;
  return model::NumberToPatternText((runner_total - best) * 10, u"00");
}

Text Grade3FOf(const Text& difference) {
  if (difference == kNoDiff) return GradeDigit(std::nullopt, 0, kGradeStep);
  return GradeDigit(model::TextToNumber(difference), 0, kGradeStep);
}

bool HoldsRace(int race) {
  return race >= 1 && race <= kRaces;
}

}  // namespace

void ComputeSixFurlongDifferences(model::Meeting& meeting, int race, int runners) {
  if (!HoldsRace(race)) return;
  runners = std::clamp(runners, 0, kRunnersHeld);
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  const double best = BestTotal(t, runners);
  for (int runner = 1; runner <= runners; ++runner) {
    t.Diff6FText(runner) = DifferenceText(t.Total6FText(runner), best);
  }
}

void GradeSixFurlongDifferences(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race,
                                int runners) {
  if (!HoldsRace(race)) return;
  runners = std::clamp(runners, 0, kRunnersHeld);
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  for (int runner = 1; runner <= runners; ++runner) t.Grade3F(runner) = Grade3FOf(t.Diff6FText(runner));
  for (int runner = 1; runner <= runners; ++runner) {
    grid.SetCellText(analysis::RunnerRow(runner), analysis::RunnerColumn::kSixFurlongDiff,
                     t.Diff6FText(runner));
    grid.SetCellText(analysis::RunnerRow(runner), analysis::RunnerColumn::kThreeFurlongGrade,
                     t.Grade3F(runner));
  }
}

}  // namespace secondary
