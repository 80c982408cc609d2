#include "recommend/colour_banding.h"

#include <algorithm>
#include <optional>

#include "model/numbers.h"
#include "recommend/best_value_bands.h"
#include "recommend/colouring_tables.h"
#include "recommend/rest_mark.h"
#include "secondary/secondary_analysis_tables.h"
#include "ui/palette.h"

namespace recommend {

namespace {

using model::Text;
using secondary::SecondaryAnalysisTables;

constexpr int kRaces = 12;
constexpr int kRunnersHeld = 18;

const Text kTopMark = u"\u25CE";     // ◎
const Text kSecondMark = u"\u25B3";  // △

// Improvement grades: from 5 band A, from 2 band B, from 0 band C; a higher digit is better.
constexpr double kRiseBandA = 5;
constexpr double kRiseBandB = 2;
constexpr double kRiseBandC = 0;

using SourceTable = model::AnalysedRunnerTable SecondaryAnalysisTables::*;
using MarkTable = model::AnalysedRaceRunnerTable ColouringTables::*;
using analysis::RunnerColumn;

// One value column (or pair of columns) judged by one source table.
struct BandedColumns {
  SourceTable source;
  const char16_t* skip;
  BandRule rule;
  RunnerColumn first_column;
  RunnerColumn last_column;
  std::optional<RunnerColumn> strip_column;  // painted blue in bands A and B
  MarkTable marks;                           // "◎" in band A, "△" in band B; nullptr for none
};

constexpr BandWidths kValueNarrow = {6, 12, 18};
constexpr BandWidths kValueWide = {8, 16, 24};

const BandedColumns kSpeedValue = {&SecondaryAnalysisTables::SpeedValue,
                                   u"***",
                                   {100, true, 18, kValueNarrow, kValueWide},
                                   RunnerColumn::kSpeedValue,
                                   RunnerColumn::kSpeedGrade,
                                   std::nullopt,
                                   nullptr};
const BandedColumns kCurrentAbility = {&SecondaryAnalysisTables::CurrentAbility,
                                       u"***",
                                       {100, true, 18, kValueNarrow, kValueWide},
                                       RunnerColumn::kCurrentAbility,
                                       RunnerColumn::kAbilityGrade,
                                       std::nullopt,
                                       nullptr};
const BandedColumns kFront3F = {&SecondaryAnalysisTables::Front3FText,
                                u" **.*",
                                {100, true, 1.2, {0.4, 0.8, 1.2}, {0.6, 1.2, 1.8}},
                                RunnerColumn::kFront3F,
                                RunnerColumn::kFront3F,
                                std::nullopt,
                                &ColouringTables::PointFront};
// The back and total 3F take a wider band B than the front when the field is thin.
const BandedColumns kBack3F = {&SecondaryAnalysisTables::Back3FText,
                               u" **.*",
                               {100, true, 1.2, {0.4, 0.8, 1.2}, {0.6, 1.6, 1.8}},
                               RunnerColumn::kBack3F,
                               RunnerColumn::kBack3F,
                               std::nullopt,
                               &ColouringTables::PointCloser};
const BandedColumns kTotal6F = {&SecondaryAnalysisTables::Total6FText,
                                u"**.*",
                                {100, true, 1.2, {0.4, 0.8, 1.2}, {0.6, 1.6, 1.8}},
                                RunnerColumn::kTotal6F,
                                RunnerColumn::kTotal6F,
                                std::nullopt,
                                nullptr};
// The differences already count from the race's best six furlongs, so the best is 0.
const BandedColumns kSixFurlongDiff = {&SecondaryAnalysisTables::Diff6FText,
                                       u"**",
                                       {0, false, 12, {4, 8, 12}, {6, 12, 18}},
                                       RunnerColumn::kSixFurlongDiff,
                                       RunnerColumn::kThreeFurlongGrade,
                                       std::nullopt,
                                       nullptr};
// The predicted time is judged by the current ability, with its own start and widths.
const BandedColumns kPredictedTime = {&SecondaryAnalysisTables::CurrentAbility,
                                      u"***",
                                      {300, true, 24, {6, 14, 24}, {8, 18, 30}},
                                      RunnerColumn::kPredictedTime,
                                      RunnerColumn::kPredictedTime,
                                      RunnerColumn::kAbilityMark,
                                      nullptr};

void Paint(analysis::RunnerGridWriter& grid, int runner, RunnerColumn column, ui::Color colour) {
  grid.SetCellBackColor(analysis::RunnerRow(runner), column, colour);
}

// Each column from first to last, in order.
template <typename Paint>
void ForColumns(RunnerColumn first, RunnerColumn last, Paint paint) {
  for (int column = analysis::Index(first); column <= analysis::Index(last); ++column)
    paint(RunnerColumn{column});
}

ui::Color BandColour(Band band) {
  switch (band) {
    case Band::kA:
      return ui::palette::kPink;
    case Band::kB:
      return ui::palette::kLightYellow;
    default:
      return ui::palette::kLightCyan;
  }
}

FieldValues ValuesOf(const SecondaryAnalysisTables& tables, const BandedColumns& banded, int runners) {
  const model::AnalysedRunnerTable& source = tables.*banded.source;
  FieldValues values;
  for (int runner = 1; runner <= runners; ++runner) {
    const Text& text = source(runner);
    if (text == banded.skip) {
      values.push_back(std::nullopt);
    } else {
      values.push_back(model::TextToNumber(text));
    }
  }
  return values;
}

void WriteMark(ColouringTables& marks, const BandedColumns& banded, int race, int runner, Band band) {
  if (banded.marks == nullptr) return;
  if (band == Band::kA) (marks.*banded.marks)(race, runner) = kTopMark;
  if (band == Band::kB) (marks.*banded.marks)(race, runner) = kSecondMark;
}

void PaintBands(analysis::RunnerGridWriter& grid, model::Meeting& meeting, const BandedColumns& banded,
                int race, int runners) {
  const std::vector<Band> bands =
      BestValueBands(ValuesOf(meeting.Group<SecondaryAnalysisTables>(), banded, runners), banded.rule);
  ColouringTables& marks = meeting.Group<ColouringTables>();
  for (int runner = 1; runner <= runners; ++runner) {
    const Band band = bands[static_cast<size_t>(runner - 1)];
    if (band == Band::kNone) continue;
    ForColumns(banded.first_column, banded.last_column,
               [&](RunnerColumn column) { Paint(grid, runner, column, BandColour(band)); });
    if (banded.strip_column && band != Band::kC)
      Paint(grid, runner, *banded.strip_column, ui::palette::kBlue);
    WriteMark(marks, banded, race, runner, band);
  }
}

Band RiseBand(double grade) {
  if (grade >= kRiseBandA) return Band::kA;
  if (grade >= kRiseBandB) return Band::kB;
  if (grade >= kRiseBandC) return Band::kC;
  return Band::kNone;
}

void PaintImprovementBands(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race, int runners) {
  const SecondaryAnalysisTables& tables = meeting.Group<SecondaryAnalysisTables>();
  ColouringTables& marks = meeting.Group<ColouringTables>();
  for (int runner = 1; runner <= runners; ++runner) {
    const Text& grade = tables.GradeRise(runner);
    if (grade == u"*" || grade == u"-") continue;
    const Band band = RiseBand(model::TextToNumber(grade));
    if (band == Band::kNone) continue;
    ForColumns(RunnerColumn::kRiseValue, RunnerColumn::kRiseGrade,
               [&](RunnerColumn column) { Paint(grid, runner, column, BandColour(band)); });
    if (band == Band::kA) marks.PointForm(race, runner) = kTopMark;
  }
}

}  // namespace

void PaintValueBands(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race, int runners) {
  if (race < 1 || race > kRaces) return;
  runners = std::clamp(runners, 0, kRunnersHeld);
  PaintBands(grid, meeting, kSpeedValue, race, runners);
  PaintRestMarks(grid, meeting, race, runners, RunnerColumn::kSpeedRestMark);
  PaintBands(grid, meeting, kCurrentAbility, race, runners);
  PaintBands(grid, meeting, kFront3F, race, runners);
  PaintBands(grid, meeting, kBack3F, race, runners);
  PaintBands(grid, meeting, kTotal6F, race, runners);
  PaintBands(grid, meeting, kSixFurlongDiff, race, runners);
  PaintImprovementBands(grid, meeting, race, runners);
  PaintBands(grid, meeting, kPredictedTime, race, runners);
}

}  // namespace recommend
