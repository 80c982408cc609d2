#pragma once
// The basic analysis's part in the analysis window, attached when the program is assembled.

namespace shell {
class App;
}
namespace analysis {
class frmAg3;
}

namespace basic {

// Attaches the handlers below to every analysis window the program builds.
void AttachHandlers(shell::App& app);

// " 基本  解析": analyses the confirmed race and opens the way to the secondary analysis.
void Command20_Click(shell::App& app, analysis::frmAg3& window);

// "実評価" and "間隔": the past-run grid's views of what the basic analysis stored.
void Command2_Click(shell::App& app, analysis::frmAg3& window);
void Command14_Click(shell::App& app, analysis::frmAg3& window);

}  // namespace basic
