#include "views/frm_ag12.h"

#include "shell/app.h"

namespace views {

frmAg12::frmAg12(shell::App& app) : ui::Form(app, "frmAg12") {}

}  // namespace views
