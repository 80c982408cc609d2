#include "analysis/frm_ag3.h"

#include "shell/app.h"
#include "shell/frame_geometry.h"

namespace analysis {

frmAg3::frmAg3(shell::App& app) : ui::Form(app, "frmAg3"), app_(app) {}

void frmAg3::Form_Load() {
  shell::PlaceBelowMainWindow(*this, app_.screen);
}

}  // namespace analysis
