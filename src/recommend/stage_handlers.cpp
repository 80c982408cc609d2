#include "recommend/stage_handlers.h"

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "analysis/runner_grid.h"
#include "recommend/colour_release.h"
#include "recommend/colouring_run.h"
#include "recommend/filter_cascade.h"
#include "recommend/print_analysis_sheet.h"
#include "recommend/recommended_horses.h"
#include "shell/app.h"
#include "shell/frm_ag0.h"
#include "ui/palette.h"
#include "ui/services.h"

namespace recommend {

void AttachHandlers(shell::App& app) {
  app.AttachHandlers("frmAg0", [](shell::App& app, ui::Form& form) {
    static_cast<shell::frmAg0&>(form).print_analysis_sheet = [&app] { PrintAnalysisSheet(app); };
  });
  app.AttachHandlers("frmAg3", [](shell::App& app, ui::Form& form) {
    auto& window = static_cast<analysis::frmAg3&>(form);
    window.Command9.OnClick = [&app, &window] { Command9_Click(app, window); };
    window.Command10.OnClick = [&app, &window] { Command10_Click(app, window); };
    window.Command11.OnClick = [&app, &window] { Command11_Click(app, window); };
    window.Command15.OnClick = [&app, &window] { Command15_Click(app, window); };
    window.Check1.OnClick = [&window] { Check1_Click(window); };
    window.Option1.OnClick = [&window] { Option1_Click(window); };
  });
}

// "色分け": the colour bands and what goes with them, then the navigation switches and the filter.
void Command9_Click(shell::App& app, analysis::frmAg3& window) {
  RunColouring(window, app.meeting, app.screen);
}

// "絞込み" runs once per "色分け".
void Command10_Click(shell::App& app, analysis::frmAg3& window) {
  app.screen.SetMousePointer(ui::pointer::kHourglass);
  window.Command10.SetEnabled(false);
  analysis::RunnerGridOf grid(window.MSFlexGrid2);
  PaintFilterCascade(grid, app.meeting, analysis::AnalysedRaceIndex(app.meeting),
                     analysis::AnalysedRunnerCount(app.meeting));
  app.screen.SetMousePointer(ui::pointer::kDefault);
  window.Command11.SetEnabled(true);
}

// "推奨馬" runs once per "絞込み"; with or without a recommendation it opens the evaluation switch and
// the main window's print box.
void Command11_Click(shell::App& app, analysis::frmAg3& window) {
  window.Command11.SetEnabled(false);
  analysis::RunnerGridOf grid(window.MSFlexGrid2);
  RecommendHorses(grid, window.Text1, app.meeting, analysis::AnalysedRaceIndex(app.meeting),
                  analysis::AnalysedRunnerCount(app.meeting));
  window.Check7.SetEnabled(true);
  app.Form<shell::frmAg0>().Check1.SetEnabled(true);
}

// Also disables the main window's print box (its tick stays) and the evaluation switch, clears the
// colour-release tick, and enables "色分け" only when the secondary analysis has run for the race
// confirmed now: otherwise the grid and the tables belong to different races.
void Command15_Click(shell::App& app, analysis::frmAg3& window) {
  shell::frmAg0& main_window = app.Form<shell::frmAg0>();
  app.screen.SetMousePointer(ui::pointer::kHourglass);
  analysis::RunnerGridOf grid(window.MSFlexGrid2);
  WhitenRunnerRows(grid, analysis::AnalysedRunnerCount(app.meeting));
  window.Command15.SetEnabled(false);
  window.Check1.SetValue(ui::kUnchecked);
  if (analysis::SecondaryAnalysisDone(app.meeting)) window.Command9.SetEnabled(true);
  window.Text1.SetText(u"");
  main_window.Check1.SetEnabled(false);
  window.Check7.SetEnabled(false);
  app.screen.SetMousePointer(ui::pointer::kDefault);
}

void Check1_Click(analysis::frmAg3& window) {
  if (window.Check1.Value() == ui::kChecked) window.Command15.SetEnabled(true);
}

// Cleared again at once, so that the next click arms "ＮＥＸＴ" again; clearing runs nothing.
void Option1_Click(analysis::frmAg3& window) {
  window.Command12.SetEnabled(true);
  window.Option1.SetValue(false);
}

}  // namespace recommend
