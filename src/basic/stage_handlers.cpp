#include "basic/stage_handlers.h"

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "analysis/past_run_views.h"
#include "basic/basic_analysis_run.h"
#include "basic/past_run_view_tables.h"
#include "shell/app.h"

namespace basic {

void AttachHandlers(shell::App& app) {
  app.AttachHandlers<analysis::frmAg3>([](shell::App& app, analysis::frmAg3& window) {
    window.Command20.OnClick = [&app, &window] { Command20_Click(app, window); };
    window.Command2.OnClick = [&app, &window] { Command2_Click(app, window); };
    window.Command14.OnClick = [&app, &window] { Command14_Click(app, window); };
  });
}

void Command20_Click(shell::App& app, analysis::frmAg3& window) {
  RunBasicAnalysis(window, app.meeting);
}

// 実評価: the actual evaluations the basic analysis stored.
void Command2_Click(shell::App& app, analysis::frmAg3& window) {
  const PastRunViewTables& tables = app.meeting.Group<PastRunViewTables>();
  analysis::ShowPastRunView(
      window, window.Command2, analysis::kRealEvalTitle,
      [&tables](int runner, int run) { return tables.RealEvalText[run](runner); },
      analysis::AnalysedRunnerCount(app.meeting));
}

// 間隔: the intervals between the runs of the analysed race's runners.
void Command14_Click(shell::App& app, analysis::frmAg3& window) {
  const PastRunViewTables& tables = app.meeting.Group<PastRunViewTables>();
  const int race = analysis::AnalysedRaceIndex(app.meeting);
  analysis::ShowPastRunView(
      window, window.Command14, analysis::kRunIntervalTitle,
      [&tables, race](int runner, int run) { return tables.RunInterval[run](race, runner); },
      analysis::AnalysedRunnerCount(app.meeting));
}

}  // namespace basic
