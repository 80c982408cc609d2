#include "secondary/stage_handlers.h"

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "analysis/past_run_views.h"
#include "secondary/secondary_analysis_tables.h"
#include "shell/app.h"

namespace secondary {

void AttachHandlers(shell::App& app) {
  app.AttachHandlers("frmAg3", [](shell::App& app, ui::Form& form) {
    auto& window = static_cast<analysis::frmAg3&>(form);
    window.Command5.OnClick = [&app, &window] { Command5_Click(app, window); };
    window.Command1.OnClick = [&app, &window] { Command1_Click(app, window); };
    window.Command3.OnClick = [&window] { Command3_Click(window); };
    window.Command4.OnClick = [&window] { Command4_Click(window); };
  });
}

// The values are still to come; the click already leaves the window as the analysis will: its own
// view ("仮評価") shown, the other views, the launchers and "色分け" open.
void Command5_Click(shell::App& app, analysis::frmAg3& window) {
  window.Command5.SetEnabled(false);
  Command1_Click(app, window);
  for (ui::CommandButton* button :
       {&window.Command6, &window.Command7, &window.Command8, &window.Command13, &window.Command9}) {
    button->SetEnabled(true);
  }
}

void Command1_Click(shell::App& app, analysis::frmAg3& window) {
  const SecondaryAnalysisTables& tables = app.meeting.Group<SecondaryAnalysisTables>();
  analysis::ShowPastRunView(
      window, window.Command1, analysis::kProvisionalEvalTitle,
      [&tables](int runner, int run) { return tables.ProvEvalText[run](runner); },
      analysis::AnalysedRunnerCount(app.meeting));
}

// The views' texts are still to come.
void Command3_Click(analysis::frmAg3& window) {
  analysis::PressViewButton(window, window.Command3);
}

void Command4_Click(analysis::frmAg3& window) {
  analysis::PressViewButton(window, window.Command4);
}

}  // namespace secondary
