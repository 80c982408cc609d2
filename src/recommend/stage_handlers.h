#pragma once
// The recommendation stage's part in earlier windows, attached when the program is assembled.

namespace shell {
class App;
}

namespace recommend {

// The main window's "印刷" prints the analysis sheet.
void AttachHandlers(shell::App& app);

}  // namespace recommend
