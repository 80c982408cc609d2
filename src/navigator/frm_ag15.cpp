#include "navigator/frm_ag15.h"

#include "shell/app.h"

namespace navigator {

frmAg15::frmAg15(shell::App& app) : ui::Form(app, "frmAg15") {}

}  // namespace navigator
