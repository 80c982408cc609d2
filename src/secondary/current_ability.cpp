#include "secondary/current_ability.h"

#include <algorithm>
#include <cmath>

#include "analysis/runner_grid.h"
#include "basic/basic_analysis_tables.h"
#include "basic/value_texts.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"
#include "secondary/grade_digit.h"
#include "secondary/secondary_analysis_tables.h"
#include "ui/grid.h"

namespace secondary {

namespace {

using model::Text;

const Text kLowestStart = u"100";
constexpr double kGradeStep = 6;

// The five provisional values, p5 the run five back and p1 the last run.
struct FiveValues {
  double p5, p4, p3, p2, p1;
};

FiveValues ReadProvisional(const model::AnalysedRunnerFamily& provisional, int runner) {
  auto value = [&](int run) { return model::TextToNumber(provisional[run](runner)); };
  return {value(5), value(4), value(3), value(2), value(1)};
}

// The trend of the pair means, signed against the direction of change: falling values (better runs)
// give a positive trend. It passes through its decimal text, as a stored value would.
double SignedTrend(const FiveValues& v) {
  const double m54 = (v.p5 + v.p4) / 2;
  const double m43 = (v.p4 + v.p3) / 2;
  const double m32 = (v.p3 + v.p2) / 2;
  const double m21 = (v.p2 + v.p1) / 2;
  const double d1 = (m43 - m54) / 100;
  const double d2 = (m32 - m43) / 100;
  const double d3 = (m21 - m32) / 100;
  const double direction = (d1 + d2) + d3;
  // The latest change weighs most.
  const double magnitude = (std::fabs(d1) * 0.1 * 2 + std::fabs(d2) * 0.3 * 2 + std::fabs(d3) * 0.5 * 2) / 3;
  // The sign written before the magnitude's text; a text reading 0 gives 0 with either sign.
  const double read = model::NumberThroughText(magnitude);
  if (read == 0) return 0;
  return direction >= 0 ? -read : read;
}

double CurrentAbilityOf(const FiveValues& v) {
  const double trend = SignedTrend(v);
  const double latest_mean = (v.p2 + v.p1) / 2;
  const double value = latest_mean < 0 && trend < 0 ? latest_mean - 100 * trend : latest_mean + 100 * trend;
  return model::FloorNumber(value);
}

void AddToText(Text& text, double amount) {
  text = model::NumberToText(model::TextToNumber(text) + amount);
}

// The lowest current ability of runners 1 to runners, kept as its text; "100" when none is lower.
Text LowestAbility(const model::AnalysedRunnerTable& abilities, int runners) {
  Text lowest = kLowestStart;
  double lowest_value = model::TextToNumber(lowest);
  for (int runner = 1; runner <= runners; ++runner) {
    const Text& ability = abilities(runner);
    if (ability == kNoValue) continue;
    const double value = model::TextToNumber(ability);
    if (value < lowest_value) {
      lowest = ability;
      lowest_value = value;
    }
  }
  return lowest;
}

}  // namespace

void ResetAbilityAverage(model::Meeting& meeting) {
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  t.AbilitySum() = u"0";
  t.AbilityCount() = u"0";
}

void ComputeCurrentAbility(model::Meeting& meeting, int race, int runner) {
  if (!model::IsRace(race) || !model::IsAnalysedRunner(runner)) return;
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  if (meeting.Group<basic::BasicAnalysisTables>().RunMask(runner) == basic::kNoRunCountsMask) {
    t.CurrentAbility(runner) = kNoValue;
    t.CurrentAbilityText(runner) = kNoValue;
    return;
  }
  const double ability = CurrentAbilityOf(ReadProvisional(t.ProvEval, runner));
  t.CurrentAbility(runner) = model::NumberToText(ability);
  t.CurrentAbilityText(runner) = basic::SignedValueText(t.CurrentAbility(runner));
  AddToText(t.AbilitySum(), model::TextToNumber(t.CurrentAbility(runner)));
  AddToText(t.AbilityCount(), 1);
}

void GradeCurrentAbilities(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race, int runners) {
  if (!model::IsRace(race)) return;
  runners = model::AnalysedRunners(runners);
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  const double lowest = model::TextToNumber(LowestAbility(t.CurrentAbility, runners));
  for (int runner = 1; runner <= runners; ++runner) {
    const Text& ability = t.CurrentAbility(runner);
    t.GradeAbility(runner) =
        ability == kNoValue ? kNoGrade : GradeDigit(model::TextToNumber(ability), lowest, kGradeStep);
  }
  for (int runner = 1; runner <= runners; ++runner) {
    grid.SetCellText(analysis::RunnerRow(runner), analysis::RunnerColumn::kCurrentAbility,
                     t.CurrentAbilityText(runner));
    grid.SetCellText(analysis::RunnerRow(runner), analysis::RunnerColumn::kAbilityGrade,
                     t.GradeAbility(runner));
  }
}

}  // namespace secondary
