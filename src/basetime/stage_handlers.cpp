#include "basetime/stage_handlers.h"

#include "basetime/base_time_build.h"
#include "basetime/frm_ag7.h"
#include "intake/frm_ag2.h"
#include "shell/app.h"

namespace basetime {

void AttachHandlers(shell::App& app) {
  app.AttachHandlers<intake::frmAg2>([](shell::App& app, intake::frmAg2& data_read) {
    data_read.Command8.OnClick = [&app, &data_read] { Command8_Click(app, data_read); };
  });
}

void Command8_Click(shell::App& app, intake::frmAg2& data_read) {
  app.screen.SetMousePointer(ui::pointer::kHourglass);
  data_read.Command8.SetEnabled(false);
  CheckWindowGrids check_grids(app);
  BuildBaseTimes(app.meeting, check_grids);
  app.screen.SetMousePointer(ui::pointer::kDefault);
  data_read.Label4.SetBackColor(intake::kLampDone);
  data_read.Timer1.SetInterval(400);
}

}  // namespace basetime
