// Every window of the program, by the name its code and the script driver use.
#include "analysis/frm_ag3.h"
#include "basetime/frm_ag7.h"
#include "basetime/frm_ag9.h"
#include "intake/frm_ag2.h"
#include "program/program.h"
#include "shell/frm_ag0.h"
#include "shell/frm_ag1.h"

namespace program {

void RegisterWindows(shell::App& app) {
  app.RegisterForm<shell::frmAg0>("frmAg0");
  app.RegisterForm<shell::frmAg1>("frmAg1");
  app.RegisterForm<intake::frmAg2>("frmAg2");
  app.RegisterForm<analysis::frmAg3>("frmAg3");
  app.RegisterForm<basetime::frmAg7>("frmAg7");
  app.RegisterForm<basetime::frmAg9>("frmAg9");
}

}  // namespace program
