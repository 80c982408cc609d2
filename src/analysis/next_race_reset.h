#pragma once
// The reset for the next race ("ＮＥＸＴ"): the analysis window goes back to race selection with the
// results of every race analysed so far in its overview. The steps that act on more than the window's
// own controls are here.

#include <string_view>

#include "ui/grid.h"

namespace shell {
class App;
}

namespace analysis {

// Empties columns 0 to last_col of the runner rows 2 to runners + 1, then whitens columns 1 to
// last_col of the same rows.
void EmptyRunnerRows(ui::FlexGrid& grid, int runners, int last_col);

// Unloads the first loaded window of that name among the loaded windows after the first (the main
// window, loaded first, is not examined); nothing when none is loaded.
void UnloadCompanion(shell::App& app, std::string_view name);

}  // namespace analysis
