#include "analysis/frm_ag3.h"

#include "shell/app.h"

namespace analysis {

frmAg3::frmAg3(shell::App& app) : ui::Form(app, "frmAg3"), app_(app) {}

void frmAg3::Form_Load() {
  SetHeight(8225);
  SetWidth(13000);
  SetTop((app_.screen.Height() - 9475) / 2 + 1250 - 200);
  SetLeft((app_.screen.Width() - 13000) / 2);
}

}  // namespace analysis
