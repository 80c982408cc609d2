#include "analysis/data_reliability.h"

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "shell/app.h"
#include "ui/palette.h"

namespace analysis {

using model::Text;

namespace {

constexpr int kFirstRunnerRow = 2;  // below the two heading rows
constexpr int kRuns = 5;
constexpr double kNearDistance = 300;  // metres either way, both limits included
constexpr double kFirstLocalCourse = 10;

bool IsTurfOrDirt(const Text& surface_code) {
  return surface_code == u"0" || surface_code == u"1";
}

void PaintCell(ui::FlexGrid& grid, int r, int c, ui::Color colour) {
  grid.SetRow(r);
  grid.SetCol(c);
  grid.SetCellBackColor(colour);
}

void WhitenRunCells(ui::FlexGrid& grid, int runners) {
  for (int r = kFirstRunnerRow; r < kFirstRunnerRow + runners; ++r) {
    for (int c = 1; c <= kRuns; ++c) PaintCell(grid, r, c, ui::palette::kWhite);
  }
}

ui::Color ColourOf(RunReliability rating) {
  return rating == RunReliability::kSame ? ui::palette::kPink : ui::palette::kLightYellow;
}

RaceCondition TodayCondition(const model::Meeting& meeting, int race) {
  const intake::RaceCardTables& card = meeting.Group<intake::RaceCardTables>();
  return {card.RaceSurfaceCode(race), card.RaceDistance(race), card.RaceCourseCode(race)};
}

RaceCondition RunCondition(const model::Meeting& meeting, int race, int runner, int run) {
  const intake::PastRunTables& runs = meeting.Group<intake::PastRunTables>();
  return {runs.RunSurfaceCode[run](race, runner), runs.RunDistance[run](race, runner),
          runs.RunCourseCode[run](race, runner)};
}

}  // namespace

RunReliability RateRun(const RaceCondition& run, const RaceCondition& today) {
  const bool same_surface = IsTurfOrDirt(today.surface_code) && run.surface_code == today.surface_code;
  const double run_course = model::TextToNumber(run.course_code);
  const bool central = run_course < kFirstLocalCourse;
  const double distance = model::TextToNumber(run.distance);
  const double today_distance = model::TextToNumber(today.distance);
  const bool near = today_distance - kNearDistance <= distance && distance <= today_distance + kNearDistance;
  if (!(same_surface && central && near)) return RunReliability::kUnrated;
  return run_course == model::TextToNumber(today.course_code) ? RunReliability::kSame : RunReliability::kNear;
}

void ColourByDataReliability(frmAg3& window, const model::Meeting& meeting) {
  const int race = AnalysedRaceIndex(meeting);
  const int runners = AnalysedRunnerCount(meeting);
  ui::FlexGrid& grid = window.MSFlexGrid1;
  WhitenRunCells(grid, runners);
  if (race == 0) return;
  const RaceCondition today = TodayCondition(meeting, race);
  for (int i = 1; i <= runners; ++i) {
    for (int c = 1; c <= kRuns; ++c) {
      const RunReliability rating = RateRun(RunCondition(meeting, race, i, kRuns + 1 - c), today);
      if (rating != RunReliability::kUnrated) PaintCell(grid, i + kFirstRunnerRow - 1, c, ColourOf(rating));
    }
  }
}

// Unticking clears the colours only once a view has filled the grid.
void frmAg3::Check2_Click() {
  if (Check2.Value() == ui::kChecked) {
    ColourByDataReliability(*this, app_.meeting);
    return;
  }
  if (Check2.Value() != ui::kUnchecked || MSFlexGrid1.TextMatrix(kFirstRunnerRow, 1).empty()) return;
  app_.screen.SetMousePointer(ui::pointer::kHourglass);
  WhitenRunCells(MSFlexGrid1, AnalysedRunnerCount(app_.meeting));
  app_.screen.SetMousePointer(ui::pointer::kDefault);
}

}  // namespace analysis
