#include "recommend/filter_cascade.h"

#include <algorithm>
#include <array>

#include "basic/past_run_view_tables.h"
#include "model/numbers.h"
#include "recommend/best_value_bands.h"
#include "recommend/rest_mark.h"
#include "secondary/secondary_analysis_tables.h"
#include "ui/palette.h"

namespace recommend {

namespace {

using analysis::RunnerColumn;
using model::Text;
using secondary::SecondaryAnalysisTables;

constexpr int kRaces = 12;
constexpr int kRunnersHeld = 18;

// A failed criterion greys its own columns and every later one up to the predicted time.
constexpr RunnerColumn kLastJudgedColumn = RunnerColumn::kPredictedTime;

constexpr ui::Color kEliminated = ui::Rgb(230, 230, 230);

// How far above the race's time level the speed value and the current ability may lie.
constexpr double kSpeedMargin = 10;
constexpr double kAbilityMargin = 12;
constexpr double kMostSixFurlongDiff = 14;

// The columns a criterion turns green when it passes.
struct PassColumns {
  RunnerColumn first;
  RunnerColumn last;
};
constexpr int kCriteria = 5;
constexpr std::array<PassColumns, kCriteria> kPassColumns = {{
    {RunnerColumn::kSpeedValue, RunnerColumn::kSpeedRestMark},
    {RunnerColumn::kCurrentAbility, RunnerColumn::kAbilitySpacer},
    {RunnerColumn::kFront3F, RunnerColumn::kStyleSpacer},
    {RunnerColumn::kRiseValue, RunnerColumn::kTrainingRestMark},
    {RunnerColumn::kPredictedTime, RunnerColumn::kPredictedTime},
}};

// Close to the best current ability: within 14 of it in a crowded field, else within 18.
const BandRule kAbilityMark = {300, true, 24, {14, 14, 14}, {18, 18, 18}};

void PaintColumns(analysis::RunnerGridWriter& grid, int runner, RunnerColumn first, RunnerColumn last,
                  ui::Color colour) {
  for (int column = analysis::Index(first); column <= analysis::Index(last); ++column)
    grid.SetCellBackColor(analysis::RunnerRow(runner), RunnerColumn{column}, colour);
}

// A value passes when its text is not the no-value marker and its number is at most the limit.
bool AtMost(const Text& text, const char16_t* no_value, double limit) {
  return text != no_value && model::TextToNumber(text) <= limit;
}

// How many criteria the runner passes, in their order, before the first that fails (kCriteria: all).
int CriteriaPassed(const SecondaryAnalysisTables& tables, double level, double rest_days, int runner) {
  const Text& rise = tables.GradeRise(runner);
  const std::array<bool, kCriteria> passes = {
      AtMost(tables.SpeedValue(runner), u"***", level + kSpeedMargin),
      AtMost(tables.CurrentAbility(runner), u"***", level + kAbilityMargin),
      AtMost(tables.Diff6FText(runner), u"**", kMostSixFurlongDiff),
      rise != u"-" && rise != u"*",
      rest_days < kLongRest,
  };
  int passed = 0;
  while (passed < kCriteria && passes[static_cast<size_t>(passed)]) ++passed;
  return passed;
}

void PaintCascade(analysis::RunnerGridWriter& grid, const model::Meeting& meeting, int race, int runners) {
  const SecondaryAnalysisTables& tables = meeting.Group<SecondaryAnalysisTables>();
  const auto& intervals = meeting.Group<basic::PastRunViewTables>().RunInterval[1];
  const double level = model::TextToNumber(tables.RaceTimeLevel(race));
  for (int runner = 1; runner <= runners; ++runner) {
    const int passed = CriteriaPassed(tables, level, model::TextToNumber(intervals(race, runner)), runner);
    for (int k = 0; k < passed; ++k) {
      const PassColumns& columns = kPassColumns[static_cast<size_t>(k)];
      PaintColumns(grid, runner, columns.first, columns.last, ui::palette::kGreen);
    }
    if (passed < kCriteria) {
      PaintColumns(grid, runner, kPassColumns[static_cast<size_t>(passed)].first, kLastJudgedColumn,
                   kEliminated);
    }
  }
}

void PaintAbilityMarks(analysis::RunnerGridWriter& grid, const model::Meeting& meeting, int runners) {
  const SecondaryAnalysisTables& tables = meeting.Group<SecondaryAnalysisTables>();
  FieldValues values;
  for (int runner = 1; runner <= runners; ++runner) {
    const Text& ability = tables.CurrentAbility(runner);
    if (ability == u"***") {
      values.push_back(std::nullopt);
    } else {
      values.push_back(model::TextToNumber(ability));
    }
  }
  const std::vector<Band> bands = BestValueBands(values, kAbilityMark);
  for (int runner = 1; runner <= runners; ++runner) {
    if (bands[static_cast<size_t>(runner - 1)] != Band::kNone)
      grid.SetCellBackColor(analysis::RunnerRow(runner), RunnerColumn::kAbilityMark, ui::palette::kBlue);
  }
}

}  // namespace

void PaintFilterCascade(analysis::RunnerGridWriter& grid, const model::Meeting& meeting, int race,
                        int runners) {
  if (race < 1 || race > kRaces) return;
  runners = std::clamp(runners, 0, kRunnersHeld);
  PaintCascade(grid, meeting, race, runners);
  // Every runner, out or not: the rest shows over the cascade's colour.
  PaintRestMarks(grid, meeting, race, runners, RunnerColumn::kTrainingRestMark);
  PaintAbilityMarks(grid, meeting, runners);
}

}  // namespace recommend
