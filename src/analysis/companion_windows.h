#pragma once
// The analysis window's companion windows: three switches show and hide the navigator, the graph
// window and the evaluation window; four launchers open the results record, the individual data, the
// standard times and the training window. Windows of later stages are reached by name.

#include <string_view>

#include "basetime/frm_ag9.h"
#include "model/meeting.h"
#include "ui/controls.h"

namespace shell {
class App;
}

namespace analysis {

class frmAg3;

// Shows the window of that name without blocking, in front of the analysis window; a window not
// loaded is loaded first and builds its content, one already loaded keeps it.
void ShowCompanion(shell::App& app, frmAg3& window, std::string_view name);
// Hides the window of that name, which stays loaded with its content; nothing when it is not loaded.
void HideCompanion(shell::App& app, std::string_view name);

// The launchers' group rule: the pressed launcher is disabled, the other three enabled.
void PressLauncher(frmAg3& window, ui::CommandButton& pressed);

// The standard-time view with the table of the analysed race's surface, under the launcher's
// caption; a race of neither surface leaves the view as it is.
void ShowStandardTimesOfToday(basetime::frmAg9& view, model::Meeting& meeting);

}  // namespace analysis
