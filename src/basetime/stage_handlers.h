#pragma once
// The base-time stage's handlers on the data-read window, attached when the program is assembled.

namespace shell {
class App;
}
namespace intake {
class frmAg2;
}

namespace basetime {

// Attaches the handlers below to every data-read window the program builds.
void AttachHandlers(shell::App& app);

// " 基本タイム構築": the base-time build; the hand-over timer then closes the data-read window.
void Command8_Click(shell::App& app, intake::frmAg2& data_read);

}  // namespace basetime
