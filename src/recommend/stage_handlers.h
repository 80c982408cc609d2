#pragma once
// The recommendation stage's part in earlier windows, attached when the program is assembled.

namespace shell {
class App;
class frmAg0;
}  // namespace shell
namespace analysis {
class frmAg3;
}

namespace recommend {

// The main window's "印刷" and the analysis window's colouring, filter, recommendation and colour
// release run the handlers below.
void AttachHandlers(shell::App& app);

// "印刷": the main window's own handler uses up the tick, then the analysis sheet prints.
void Command4_Click(shell::App& app, shell::frmAg0& main_window);

// "色分け": bands the runner grid, computes the overall evaluations and going aptitudes, brings the
// navigation switches into view and opens the filter.
void Command9_Click(shell::App& app, analysis::frmAg3& window);
// "絞込み": paints the filter cascade over the colours and opens the recommendation.
void Command10_Click(shell::App& app, analysis::frmAg3& window);
// "推奨馬": chooses and shows the recommended runners, then opens the evaluation switch and the main
// window's print box.
void Command11_Click(shell::App& app, analysis::frmAg3& window);
// "色解除": whitens the runner rows, empties the recommended numbers, locks printing and the evaluation
// switch and opens "色分け" again.
void Command15_Click(shell::App& app, analysis::frmAg3& window);
// The captionless check box: a tick arms "色解除"; clearing it closes nothing.
void Check1_Click(analysis::frmAg3& window);
// The captionless option button: every click arms "ＮＥＸＴ".
void Option1_Click(analysis::frmAg3& window);

}  // namespace recommend
