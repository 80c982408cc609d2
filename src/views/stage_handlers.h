#pragma once
// The detail views' part in the analysis window, attached when the program is assembled.

namespace shell {
class App;
}
namespace analysis {
class frmAg3;
}

namespace views {

// Attaches the handler below to every analysis window the program builds.
void AttachHandlers(shell::App& app);

// A press on the runner grid: a value cell (any row, spacers included) is painted in the colour of
// the palette option chosen in the analysis window; a press on a horse name is for the detail
// windows: it fills the individual-data window with that runner. x and y are twips from the grid's top left
// corner.
void MSFlexGrid2_MouseDown(shell::App& app, analysis::frmAg3& window, double x, double y);

}  // namespace views
