#pragma once
// What the navigator's and the evaluation window's buttons do; the windows' own handlers run them.

namespace shell {
class App;
}

namespace navigator {

class frmAg13;
class frmAg15;

// "解析": opens "軸馬ナビ", shows the analysed race's runs with their same-condition colours and
// writes and shows the statistics of every runner (at most 18). Disables itself.
void Command2_Click(shell::App& app, frmAg13& window);
// "軸馬ナビ": tests the criteria of the race's distance category in that category's grid, marks the
// axis candidates and copies the highlight marks. Disables itself; a race without a category gets
// nothing more.
void Command1_Click(shell::App& app, frmAg13& window);
// "総合評価": the runners' numbers, names, rest marks and index bars. Disables itself.
void Command1_Click(shell::App& app, frmAg15& window);

}  // namespace navigator
