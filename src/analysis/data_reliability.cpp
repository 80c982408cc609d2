#include "analysis/data_reliability.h"

#include <string_view>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "analysis/runner_grid.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "shell/app.h"
#include "ui/palette.h"

namespace analysis {

using model::Text;

namespace {

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
    for (int c = Index(PastRunColumn::kFiveRunsBack); c <= Index(PastRunColumn::kLastRun); ++c)
      PaintCell(grid, r, c, ui::palette::kWhite);
  }
}

ui::Color ColourOf(RunReliability rating) {
  return rating == RunReliability::kSame ? ui::palette::kPink : ui::palette::kLightYellow;
}

RaceCondition TodayCondition(const model::Meeting& meeting, int race) {
  const intake::RaceCardTables& card = meeting.Group<intake::RaceCardTables>();
  return {card.RaceSurfaceCode(race), card.RaceDistance(race), card.RaceCourseCode(race)};
}

// Today's race as the rating compares it, read once per race rather than once per run.
struct TodayFigures {
  std::u16string_view surface_code;
  bool turf_or_dirt;
  double distance;
  double course;

  explicit TodayFigures(const RaceCondition& today)
      : surface_code(today.surface_code),
        turf_or_dirt(IsTurfOrDirt(today.surface_code)),
        distance(model::TextToNumber(today.distance)),
        course(model::TextToNumber(today.course_code)) {}
};

// RateRun on the run's own cells; a run on another surface is unrated before any number is read.
RunReliability RateAgainst(std::u16string_view surface_code, std::u16string_view distance_text,
                           std::u16string_view course_code, const TodayFigures& today) {
  if (!today.turf_or_dirt || surface_code != today.surface_code) return RunReliability::kUnrated;
  const double run_course = model::TextToNumber(course_code);
  if (!(run_course < kFirstLocalCourse)) return RunReliability::kUnrated;
  const double distance = model::TextToNumber(distance_text);
  const bool near = today.distance - kNearDistance <= distance && distance <= today.distance + kNearDistance;
  if (!near) return RunReliability::kUnrated;
  return run_course == today.course ? RunReliability::kSame : RunReliability::kNear;
}

RunReliability RateRunOfRunner(const model::Meeting& meeting, int race, int runner, int run,
                               const TodayFigures& today) {
  const intake::PastRunTables& runs = meeting.Group<intake::PastRunTables>();
  return RateAgainst(runs.RunSurfaceCode[run](race, runner), runs.RunDistance[run](race, runner),
                     runs.RunCourseCode[run](race, runner), today);
}

}  // namespace

RunReliability RateRun(const RaceCondition& run, const RaceCondition& today) {
  return RateAgainst(run.surface_code, run.distance, run.course_code, TodayFigures(today));
}

void ColourByDataReliability(frmAg3& window, const model::Meeting& meeting) {
  const int race = AnalysedRaceIndex(meeting);
  const int runners = AnalysedRunnerCount(meeting);
  ui::FlexGrid& grid = window.MSFlexGrid1;
  WhitenRunCells(grid, runners);
  if (race == 0) return;
  const RaceCondition today_texts = TodayCondition(meeting, race);
  const TodayFigures today(today_texts);
  for (int i = 1; i <= runners; ++i) {
    for (int run = kRuns; run >= 1; --run) {
      const RunReliability rating = RateRunOfRunner(meeting, race, i, run, today);
      if (rating != RunReliability::kUnrated)
        PaintCell(grid, RunnerRow(i), Index(PastRunColumnOf(run)), ColourOf(rating));
    }
  }
}

// Unticking clears the colours only once a view has filled the grid.
void frmAg3::Check2_Click() {
  if (Check2.Value() == ui::kChecked) {
    ColourByDataReliability(*this, app_.meeting);
    return;
  }
  if (Check2.Value() != ui::kUnchecked ||
      MSFlexGrid1.TextMatrix(kFirstRunnerRow, Index(PastRunColumn::kFiveRunsBack)).empty())
    return;
  app_.screen.SetMousePointer(ui::pointer::kHourglass);
  WhitenRunCells(MSFlexGrid1, AnalysedRunnerCount(app_.meeting));
  app_.screen.SetMousePointer(ui::pointer::kDefault);
}

}  // namespace analysis
