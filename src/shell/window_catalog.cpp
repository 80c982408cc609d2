// Every window of the program, by the name its code and the script driver use.
#include "analysis/frm_ag3.h"
#include "basetime/frm_ag7.h"
#include "basetime/frm_ag9.h"
#include "intake/frm_ag2.h"
#include "shell/app.h"
#include "shell/frm_ag0.h"
#include "shell/frm_ag1.h"

namespace shell {

void RegisterWindows(App& app) {
  app.RegisterForm<frmAg0>("frmAg0");
  app.RegisterForm<frmAg1>("frmAg1");
  app.RegisterForm<intake::frmAg2>("frmAg2");
  app.RegisterForm<analysis::frmAg3>("frmAg3");
  app.RegisterForm<basetime::frmAg7>("frmAg7");
  app.RegisterForm<basetime::frmAg9>("frmAg9");
}

}  // namespace shell
