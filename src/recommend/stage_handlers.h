#pragma once
// The recommendation stage's part in earlier windows, attached when the program is assembled.

namespace shell {
class App;
}
namespace analysis {
class frmAg3;
}

namespace recommend {

// The main window's "印刷" prints the analysis sheet; the analysis window's colouring, filter,
// recommendation and colour release run the handlers below.
void AttachHandlers(shell::App& app);

// "色分け": bands the runner grid, computes the overall evaluations and going aptitudes, brings the
// navigation switches into view and opens the filter.
void Command9_Click(shell::App& app, analysis::frmAg3& window);
// "絞込み": opens the recommendation.
void Command10_Click(analysis::frmAg3& window);
// "推奨馬": opens the evaluation switch and the main window's print box.
void Command11_Click(shell::App& app, analysis::frmAg3& window);
// "色解除": closes the evaluation switch.
void Command15_Click(analysis::frmAg3& window);
// The captionless check box: a tick arms "色解除".
void Check1_Click(analysis::frmAg3& window);
// The captionless option button: every click arms "ＮＥＸＴ".
void Option1_Click(analysis::frmAg3& window);

}  // namespace recommend
