// Every window of the program, by the name its code and the script driver use.
#include "analysis/frm_ag3.h"
#include "basetime/frm_ag7.h"
#include "basetime/frm_ag9.h"
#include "intake/frm_ag2.h"
#include "navigator/frm_ag13.h"
#include "navigator/frm_ag15.h"
#include "program/program.h"
#include "shell/frm_ag0.h"
#include "shell/frm_ag1.h"
#include "views/frm_ag10.h"
#include "views/frm_ag12.h"
#include "views/frm_ag14.h"
#include "views/frm_ag8.h"

namespace program {

void RegisterWindows(shell::App& app) {
  app.RegisterForm<shell::frmAg0>("frmAg0");
  app.RegisterForm<shell::frmAg1>("frmAg1");
  app.RegisterForm<intake::frmAg2>("frmAg2");
  app.RegisterForm<analysis::frmAg3>("frmAg3");
  app.RegisterForm<basetime::frmAg7>("frmAg7");
  app.RegisterForm<views::frmAg8>("frmAg8");
  app.RegisterForm<basetime::frmAg9>("frmAg9");
  app.RegisterForm<views::frmAg10>("frmAg10");
  app.RegisterForm<views::frmAg12>("frmAg12");
  app.RegisterForm<navigator::frmAg13>("frmAg13");
  app.RegisterForm<views::frmAg14>("frmAg14");
  app.RegisterForm<navigator::frmAg15>("frmAg15");
}

}  // namespace program
