#include "views/frm_ag8.h"

#include "shell/app.h"

namespace views {

frmAg8::frmAg8(shell::App& app) : ui::Form(app, "frmAg8") {}

}  // namespace views
