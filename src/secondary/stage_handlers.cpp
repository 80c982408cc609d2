#include "secondary/stage_handlers.h"

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "analysis/past_run_views.h"
#include "analysis/runner_grid.h"
#include "secondary/class_time_views.h"
#include "secondary/secondary_analysis_run.h"
#include "secondary/secondary_analysis_tables.h"
#include "shell/app.h"

namespace secondary {

void AttachHandlers(shell::App& app) {
  app.AttachHandlers("frmAg3", [](shell::App& app, ui::Form& form) {
    auto& window = static_cast<analysis::frmAg3&>(form);
    window.Command5.OnClick = [&app, &window] { Command5_Click(app, window); };
    window.Command1.OnClick = [&app, &window] { Command1_Click(app, window); };
    window.Command3.OnClick = [&app, &window] { Command3_Click(app, window); };
    window.Command4.OnClick = [&app, &window] { Command4_Click(app, window); };
  });
}

// "  ２次   解析": the secondary analysis of the analysed race; the past-run grid ends on its own view.
void Command5_Click(shell::App& app, analysis::frmAg3& window) {
  RunSecondaryAnalysis(window, app.meeting);
}

void Command1_Click(shell::App& app, analysis::frmAg3& window) {
  const SecondaryAnalysisTables& tables = app.meeting.Group<SecondaryAnalysisTables>();
  analysis::ShowPastRunView(
      window, window.Command1, analysis::kProvisionalEvalTitle,
      [&tables](int runner, int run) { return tables.ProvEvalText[run](runner); },
      analysis::AnalysedRunnerCount(app.meeting));
}

// "クラス": the class positions of the runs.
void Command3_Click(shell::App& app, analysis::frmAg3& window) {
  analysis::PressViewButton(window, window.Command3);
  analysis::PastRunGridOf grid(window.MSFlexGrid1);
  ShowClassView(grid, app.meeting);
}

// "タイム": the predicted times of the runs.
void Command4_Click(shell::App& app, analysis::frmAg3& window) {
  analysis::PressViewButton(window, window.Command4);
  analysis::PastRunGridOf grid(window.MSFlexGrid1);
  ShowTimeView(grid, app.meeting);
}

}  // namespace secondary
