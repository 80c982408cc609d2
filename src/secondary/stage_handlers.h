#pragma once
// The secondary analysis's part in the analysis window, attached when the program is assembled.

namespace shell {
class App;
}
namespace analysis {
class frmAg3;
}

namespace secondary {

// Attaches the handlers below to every analysis window the program builds.
void AttachHandlers(shell::App& app);

// "  ２次   解析": the secondary analysis of the confirmed race; it shows its provisional evaluations
// and opens the other views, the launchers and "色分け".
void Command5_Click(shell::App& app, analysis::frmAg3& window);
// "仮評価": the provisional evaluations of the analysed race's runs in the past-run grid.
void Command1_Click(shell::App& app, analysis::frmAg3& window);
// "クラス" and "タイム": two views of the past-run grid, in the group of the view buttons.
void Command3_Click(shell::App& app, analysis::frmAg3& window);
void Command4_Click(shell::App& app, analysis::frmAg3& window);

}  // namespace secondary
