#include "views/frm_ag14.h"

#include "shell/app.h"

namespace views {

frmAg14::frmAg14(shell::App& app) : ui::Form(app, "frmAg14") {}

}  // namespace views
