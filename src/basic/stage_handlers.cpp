#include "basic/stage_handlers.h"

#include "analysis/frm_ag3.h"
#include "shell/app.h"

namespace basic {

void AttachHandlers(shell::App& app) {
  app.AttachHandlers("frmAg3", [](shell::App&, ui::Form& form) {
    auto& window = static_cast<analysis::frmAg3&>(form);
    window.Command20.OnClick = [&window] { Command20_Click(window); };
  });
}

// The evaluation of the runs is still to come; the click already leaves the window as the analysis
// will: the race can no longer be released, and the secondary analysis may run.
void Command20_Click(analysis::frmAg3& window) {
  window.Command19.SetEnabled(false);
  window.Command20.SetEnabled(false);
  window.Command5.SetEnabled(true);
}

}  // namespace basic
