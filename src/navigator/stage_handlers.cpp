#include "navigator/stage_handlers.h"

#include <optional>

#include "analysis/analysed_race.h"
#include "basic/past_run_view_tables.h"
#include "intake/race_card_tables.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"
#include "navigator/axis_navigation.h"
#include "navigator/bar_glyph_scale.h"
#include "navigator/frm_ag13.h"
#include "navigator/frm_ag15.h"
#include "navigator/navigator_tables.h"
#include "navigator/same_condition_statistics.h"
#include "navigator/whole_tenths.h"
#include "recommend/colouring_tables.h"
#include "secondary/secondary_analysis_tables.h"
#include "shell/app.h"
#include "ui/palette.h"

namespace navigator {

using model::Text;

namespace {

constexpr ui::Color kFailedGrey = ui::Rgb(230, 230, 230);
const Text kMarkA = u"Ａ軸";
const Text kMarkB = u"Ｂ軸";
constexpr long long kLongRest = 450;      // days in tenths: above, a green rest mark
constexpr long long kVeryLongRest = 900;  // and from here, red

void PaintCell(ui::FlexGrid& grid, int row, int col, ui::Color colour) {
  grid.SetCol(col);
  grid.SetRow(row);
  grid.SetCellBackColor(colour);
}

void ColourText(ui::FlexGrid& grid, int row, int col, ui::Color colour) {
  grid.SetCol(col);
  grid.SetRow(row);
  grid.SetCellForeColor(colour);
}

std::optional<ui::Color> ConditionColour(RunCondition condition) {
  if (condition == RunCondition::kSame) return ui::palette::kPink;
  if (condition == RunCondition::kNear) return ui::palette::kLightYellow;
  return std::nullopt;
}

std::optional<ui::Color> ResultColour(CriterionResult result) {
  if (result == CriterionResult::kPassed) return ui::palette::kGreen;
  if (result == CriterionResult::kFailed) return kFailedGrey;
  return std::nullopt;
}

std::optional<ui::Color> RestColour(const Text& days) {
  const long long v = WholeTenths(days);
  if (v >= kVeryLongRest) return ui::palette::kRed;
  if (v > kLongRest) return ui::palette::kGreen;
  return std::nullopt;
}

void ShowRuns(frmAg13& window, const model::Meeting& meeting, int runner_count) {
  const basic::PastRunViewTables& views = meeting.Group<basic::PastRunViewTables>();
  for (int i = 1; i <= runner_count; ++i) {
    window.MSFlexGrid1.SetTextMatrix(i + 1, 0, model::NumberToText(i));
    for (int k = 1; k <= model::kPastRuns; ++k) {
      window.MSFlexGrid1.SetTextMatrix(i + 1, k, views.RealEvalText[model::kPastRuns + 1 - k](i));
    }
  }
}

void ShowFigures(frmAg13& window, const model::Meeting& meeting, int race, int runner) {
  const NavigatorTables& t = meeting.Group<NavigatorTables>();
  ui::FlexGrid& grid = window.MSFlexGrid1;
  grid.SetTextMatrix(runner + 1, 7, t.RunMean(race, runner));
  grid.SetTextMatrix(runner + 1, 8, t.RunBest(race, runner));
  grid.SetTextMatrix(runner + 1, 9, t.RunWorst(race, runner));
  grid.SetTextMatrix(runner + 1, 10, t.RunSpread(race, runner));
}

void ShowNavigation(ui::FlexGrid& grid, int runner, const RunnerNavigation& row) {
  for (int k = 1; k <= kCriteria; ++k) {
    grid.SetTextMatrix(runner + 1, 3 + k, row.shown[static_cast<size_t>(k - 1)]);
  }
}

void PaintResults(ui::FlexGrid& grid, int runner, const RunnerNavigation& row) {
  for (int k = 1; k <= kCriteria; ++k) {
    if (const auto colour = ResultColour(row.results[static_cast<size_t>(k - 1)])) {
      PaintCell(grid, runner + 1, 3 + k, *colour);
    }
  }
}

void WriteMarks(ui::FlexGrid& grid, const std::vector<int>& runners, const Text& mark, ui::Color colour) {
  for (int r : runners) {
    grid.SetTextMatrix(r + 1, 2, mark);
    ColourText(grid, r + 1, 2, colour);
  }
}

void WriteBar(ui::FlexGrid& grid, int row, int col, const std::optional<Text>& bar) {
  if (bar) grid.SetTextMatrix(row, col, *bar);
}

}  // namespace

void Command2_Click(shell::App& app, frmAg13& window) {
  window.Command2.SetEnabled(false);
  window.Command1.SetEnabled(true);
  model::Meeting& meeting = app.meeting;
  const int race = analysis::AnalysedRaceIndex(meeting);
  if (race == 0) return;
  const int n = analysis::AnalysedRunnerCount(meeting);
  ShowRuns(window, meeting, n);
  for (int i = 1; i <= n; ++i) {
    const auto conditions = PackUsableRuns(meeting, race, i);
    for (int k = 1; k <= model::kPastRuns; ++k) {
      if (const auto colour = ConditionColour(conditions[static_cast<size_t>(k - 1)])) {
        PaintCell(window.MSFlexGrid1, i + 1, k, *colour);
      }
    }
  }
  for (int i = 1; i <= n; ++i) {
    StoreRunFigures(meeting, race, i);
    ShowFigures(window, meeting, race, i);
  }
}

void Command1_Click(shell::App& app, frmAg13& window) {
  window.Command1.SetEnabled(false);
  const model::Meeting& meeting = app.meeting;
  const int race = analysis::AnalysedRaceIndex(meeting);
  const DistanceCategory category = RaceDistanceCategory(meeting, race);
  if (category == DistanceCategory::kNone) return;
  ui::FlexGrid& grid = window.NavigatorGrid(category);
  const int n = analysis::AnalysedRunnerCount(meeting);
  const intake::RaceCardTables& card = meeting.Group<intake::RaceCardTables>();
  for (int i = 1; i <= n; ++i) {
    grid.SetTextMatrix(i + 1, 0, model::NumberToText(i));
    grid.SetTextMatrix(i + 1, 1, card.HorseName(race, i));
  }
  const NavigationLimits limits = LimitsOf(meeting, race, n);
  window.AxisListA.clear();
  window.AxisListB.clear();
  for (int i = 1; i <= n; ++i) {
    const RunnerNavigation row = NavigateRunner(meeting, race, i, category, limits);
    ShowNavigation(grid, i, row);
    PaintResults(grid, i, row);
    if (row.mark == AxisMark::kA) window.AxisListA.push_back(i);
    if (row.mark == AxisMark::kB) window.AxisListB.push_back(i);
  }
  WriteMarks(grid, window.AxisListA, kMarkA, ui::palette::kRed);
  WriteMarks(grid, window.AxisListB, kMarkB, ui::palette::kBlue);
  const recommend::ColouringTables& marks = meeting.Group<recommend::ColouringTables>();
  for (int i = 1; i <= n; ++i) {
    grid.SetTextMatrix(i + 1, 10, marks.PointFront(race, i));
    grid.SetTextMatrix(i + 1, 11, marks.PointCloser(race, i));
    grid.SetTextMatrix(i + 1, 12, marks.PointForm(race, i));
  }
}

void Command1_Click(shell::App& app, frmAg15& window) {
  window.Command1.SetEnabled(false);
  const model::Meeting& meeting = app.meeting;
  const int race = analysis::AnalysedRaceIndex(meeting);
  const int n = analysis::AnalysedRunnerCount(meeting);
  ui::FlexGrid& grid = window.MSFlexGrid1;
  const intake::RaceCardTables& card = meeting.Group<intake::RaceCardTables>();
  for (int k = 1; k <= n; ++k) {
    grid.SetTextMatrix(k + 1, 0, model::NumberToText(k));
    grid.SetTextMatrix(k + 1, 1, card.HorseName(race, k));
  }
  const basic::PastRunViewTables& views = meeting.Group<basic::PastRunViewTables>();
  for (int k = 1; k <= n; ++k) {
    if (const auto colour = RestColour(views.RunInterval[1](race, k))) PaintCell(grid, k + 1, 2, *colour);
  }
  window.Text1.SetFocus();
  const recommend::ColouringTables& colouring = meeting.Group<recommend::ColouringTables>();
  const secondary::SecondaryAnalysisTables& s = meeting.Group<secondary::SecondaryAnalysisTables>();
  for (int k = 1; k <= n; ++k) WriteBar(grid, k + 1, 3, OverallBar(colouring.OverallEval(k)));
  for (int k = 1; k <= n; ++k) WriteBar(grid, k + 1, 5, SpeedBar(s.GradeAbility(k)));
  for (int k = 1; k <= n; ++k) WriteBar(grid, k + 1, 7, PowerBar(colouring.AptitudeDirtGood(race, k)));
  for (int k = 1; k <= n; ++k) {
    WriteBar(grid, k + 1, 9, FrontRunningBar(s.Front3FMean(k), s.RaceBestFront3F(race)));
  }
  for (int k = 1; k <= n; ++k) {
    WriteBar(grid, k + 1, 10, ClosingBar(s.Back3FMean(k), s.RaceBestBack3F(race)));
  }
}

}  // namespace navigator
