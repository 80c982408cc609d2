#pragma once
// The printed analysis sheet of the analysed race, reached only through the main window's "印刷".

namespace shell {
class App;
}

namespace recommend {

// Prints the sheet (A4 landscape) from the analysis window's results and the shared tables, and
// returns when it has been sent. Reports no failure of its own.
void PrintAnalysisSheet(shell::App& app);

}  // namespace recommend
