#include "recommend/stage_handlers.h"

#include "recommend/print_analysis_sheet.h"
#include "shell/app.h"
#include "shell/frm_ag0.h"

namespace recommend {

void AttachHandlers(shell::App& app) {
  app.AttachHandlers("frmAg0", [](shell::App& app, ui::Form& form) {
    static_cast<shell::frmAg0&>(form).print_analysis_sheet = [&app] { PrintAnalysisSheet(app); };
  });
}

}  // namespace recommend
