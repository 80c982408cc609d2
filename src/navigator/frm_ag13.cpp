#include "navigator/frm_ag13.h"

#include "shell/app.h"

namespace navigator {

frmAg13::frmAg13(shell::App& app) : ui::Form(app, "frmAg13") {}

}  // namespace navigator
