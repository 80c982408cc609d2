#include "recommend/colour_release.h"

#include <algorithm>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "model/meeting.h"
#include "model/meeting_shape.h"
#include "shell/frm_ag0.h"
#include "ui/palette.h"
#include "ui/services.h"

namespace recommend {

namespace {

constexpr int kFirstRunnerRow = 2;
constexpr int kFirstValueColumn = 1;
constexpr int kLastValueColumn = 21;

}  // namespace

void WhitenRunnerRows(ui::FlexGrid& grid, int runners) {
  runners = model::AnalysedRunners(runners);
  for (int row = kFirstRunnerRow; row < kFirstRunnerRow + runners; ++row) {
    for (int column = kFirstValueColumn; column <= kLastValueColumn; ++column) {
      grid.SetRow(row);
      grid.SetCol(column);
      grid.SetCellBackColor(ui::palette::kWhite);
    }
  }
}

// Without a finished secondary analysis of the confirmed race the grid and the tables belong to
// different races, so "色分け" stays closed.
void ReleaseColours(analysis::frmAg3& window, shell::frmAg0& main_window, model::Meeting& meeting,
                    ui::Screen& screen) {
  screen.SetMousePointer(ui::pointer::kHourglass);
  WhitenRunnerRows(window.MSFlexGrid2, analysis::AnalysedRunnerCount(meeting));
  window.Command15.SetEnabled(false);
  window.Check1.SetValue(ui::kUnchecked);
  if (analysis::SecondaryAnalysisDone(meeting)) window.Command9.SetEnabled(true);
  window.Text1.SetText(u"");
  main_window.Check1.SetEnabled(false);
  window.Check7.SetEnabled(false);
  screen.SetMousePointer(ui::pointer::kDefault);
}

}  // namespace recommend
