#include "basic/stage_handlers.h"

#include "analysis/frm_ag3.h"
#include "basic/basic_analysis_run.h"
#include "shell/app.h"

namespace basic {

void AttachHandlers(shell::App& app) {
  app.AttachHandlers("frmAg3", [](shell::App& app, ui::Form& form) {
    auto& window = static_cast<analysis::frmAg3&>(form);
    window.Command20.OnClick = [&app, &window] { Command20_Click(app, window); };
  });
}

void Command20_Click(shell::App& app, analysis::frmAg3& window) {
  RunBasicAnalysis(window, app.meeting);
}

}  // namespace basic
