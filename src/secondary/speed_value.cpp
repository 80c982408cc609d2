#include "secondary/speed_value.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "analysis/runner_grid.h"
#include "basic/value_texts.h"
#include "model/numbers.h"
#include "secondary/grade_digit.h"
#include "secondary/secondary_analysis_tables.h"

namespace secondary {

namespace {

using model::Text;

constexpr int kRaces = 12;
constexpr int kRunnersHeld = 18;
constexpr int kRuns = 5;

const Text kNoValidRun = u"---";
const Text kNoValue = u"***";
// Above every speed value a field shows, so it is the reference when no runner has a value.
constexpr double kReferenceStart = 100;
constexpr double kGradeStep = 6;

// Indexed by run 1 (the latest) to 5; index 0 unused.
constexpr std::array<double, kRuns + 1> kRunAgeFactors = {0, 1.0, 1.02, 1.08, 1.125, 1.2};

double RunAgeFactor(int run) {
  return kRunAgeFactors[static_cast<size_t>(std::clamp(run, 1, kRuns))];
}

// A zero is weighted as if it were ten tenths, so that it still moves the worse way.
double WeightedZero(int run) {
  return std::floor(10 * RunAgeFactor(run)) + 1 - 10;
}

// Positions 1 to 5 of the working list; index 0 unused.
using SortedTexts = std::array<Text, kRuns + 1>;

// A selection sort, lowest number first. Among equal numbers the scan ends on the later position,
// which decides which of two equal texts ("-99" of a recent run, "-99 " of the oldest) comes first.
// Each text is read once; its number moves with it.
SortedTexts SortOldestFirst(const SecondaryAnalysisTables& t, int runner) {
  SortedTexts list;
  std::array<double, kRuns + 1> numbers{};
  for (int position = 1; position <= kRuns; ++position) {
    const auto at = static_cast<size_t>(position);
    list[at] = t.ProvEvalSigned[kRuns + 1 - position](runner);
    numbers[at] = model::TextToNumber(list[at]);
  }
  for (size_t j = 1; j <= kRuns; ++j) {
    size_t candidate = j;
    for (size_t k = j + 1; k <= kRuns; ++k) {
      if (numbers[k] <= numbers[candidate]) candidate = k;
    }
    std::swap(list[j], list[candidate]);
    std::swap(numbers[j], numbers[candidate]);
  }
  return list;
}

// Two runs with the same value weigh it by the more recent run, whichever run the value came from.
int MostRecentRunOf(const SecondaryAnalysisTables& t, int runner, double value) {
  for (int run = 1; run <= kRuns; ++run) {
    if (model::TextToNumber(t.ProvEvalSigned[run](runner)) == value) return run;
  }
  return 1;  // unreachable: the value was read from one of the runs
}

void WriteNoSpeedValue(SecondaryAnalysisTables& t, int runner) {
  t.SpeedBest(runner) = kNoValue;
  t.SpeedSecond(runner) = kNoValue;
  t.SpeedValue(runner) = kNoValue;
  t.SpeedValueText(runner) = kNoValue;
}

void ComputeSpeedValue(SecondaryAnalysisTables& t, int runner) {
  if (t.ProvEvalSigned[kRuns](runner) == kNoValidRun) {
    WriteNoSpeedValue(t, runner);
    return;
  }
  const SortedTexts sorted = SortOldestFirst(t, runner);
  t.SpeedBest(runner) = sorted[1];
  t.SpeedSecond(runner) = sorted[2];
  const double best = model::TextToNumber(t.SpeedBest(runner));
  const double second = model::TextToNumber(t.SpeedSecond(runner));
  const double weighted_best = WeightedBest(best, MostRecentRunOf(t, runner, best));
  const double weighted_second = WeightedSecond(second, MostRecentRunOf(t, runner, second));
  t.SpeedValue(runner) = model::NumberToText(std::floor((weighted_best + weighted_second) / 2));
  t.SpeedValueText(runner) = basic::SignedValueText(t.SpeedValue(runner));
}

// The race's lowest speed value, never above the start value; equal values leave it.
double RaceReference(const SecondaryAnalysisTables& t, int runners) {
  double reference = kReferenceStart;
  for (int runner = 1; runner <= runners; ++runner) {
    if (t.SpeedValue(runner) == kNoValue) continue;
    const double value = model::TextToNumber(t.SpeedValue(runner));
    if (value < reference) reference = value;
  }
  return reference;
}

Text GradeOf(const Text& speed_value, double reference) {
  if (speed_value == kNoValue) return GradeDigit(std::nullopt, reference, kGradeStep);
  return GradeDigit(model::TextToNumber(speed_value), reference, kGradeStep);
}

bool HoldsRace(int race) {
  return race >= 1 && race <= kRaces;
}

}  // namespace

double WeightedBest(double value, int run) {
  const double factor = RunAgeFactor(run);
  if (value > 0) return std::floor(value * factor) + 1;
  if (value == 0) return WeightedZero(run);
  return 1 - std::floor(std::abs(value) * (2 - factor));
}

double WeightedSecond(double value, int run) {
  const double factor = RunAgeFactor(run);
  if (value > 0) return std::floor(value * factor);
  if (value == 0) return WeightedZero(run);
  return -std::floor(std::abs(value) * (2 - factor));
}

void ComputeSpeedValues(model::Meeting& meeting, int race, int runners) {
  if (!HoldsRace(race)) return;
  runners = std::clamp(runners, 0, kRunnersHeld);
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  for (int runner = 1; runner <= runners; ++runner) ComputeSpeedValue(t, runner);
}

void GradeSpeedValues(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race, int runners) {
  if (!HoldsRace(race)) return;
  runners = std::clamp(runners, 0, kRunnersHeld);
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  const double reference = RaceReference(t, runners);
  for (int runner = 1; runner <= runners; ++runner) {
    t.GradeSpeed(runner) = GradeOf(t.SpeedValue(runner), reference);
  }
  for (int runner = 1; runner <= runners; ++runner) {
    grid.SetCellText(analysis::RunnerRow(runner), analysis::RunnerColumn::kSpeedValue,
                     t.SpeedValueText(runner));
    grid.SetCellText(analysis::RunnerRow(runner), analysis::RunnerColumn::kSpeedGrade, t.GradeSpeed(runner));
  }
}

}  // namespace secondary
