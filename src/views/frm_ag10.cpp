#include "views/frm_ag10.h"

#include "shell/app.h"

namespace views {

frmAg10::frmAg10(shell::App& app) : ui::Form(app, "frmAg10") {}

}  // namespace views
