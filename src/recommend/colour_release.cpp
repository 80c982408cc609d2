#include "recommend/colour_release.h"

#include <algorithm>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "model/meeting.h"
#include "shell/frm_ag0.h"
#include "ui/palette.h"
#include "ui/services.h"

namespace recommend {

namespace {

constexpr int kRunnersHeld = 18;

}  // namespace

void WhitenRunnerRows(analysis::RunnerGridWriter& grid, int runners) {
  runners = std::clamp(runners, 0, kRunnersHeld);
  for (int runner = 1; runner <= runners; ++runner) {
    for (int column = analysis::Index(analysis::RunnerColumn::kSpeedValue);
         column <= analysis::Index(analysis::RunnerColumn::kOverallCode); ++column) {
      grid.SetCellBackColor(analysis::RunnerRow(runner), analysis::RunnerColumn{column}, ui::palette::kWhite);
    }
  }
}

// Without a finished secondary analysis of the confirmed race the grid and the tables belong to
// different races, so "色分け" stays closed.
void ReleaseColours(analysis::frmAg3& window, shell::frmAg0& main_window, model::Meeting& meeting,
                    ui::Screen& screen) {
  screen.SetMousePointer(ui::pointer::kHourglass);
  analysis::RunnerGridOf grid(window.MSFlexGrid2);
  WhitenRunnerRows(grid, analysis::AnalysedRunnerCount(meeting));
  window.Command15.SetEnabled(false);
  window.Check1.SetValue(ui::kUnchecked);
  if (analysis::SecondaryAnalysisDone(meeting)) window.Command9.SetEnabled(true);
  window.Text1.SetText(u"");
  main_window.Check1.SetEnabled(false);
  window.Check7.SetEnabled(false);
  screen.SetMousePointer(ui::pointer::kDefault);
}

}  // namespace recommend
