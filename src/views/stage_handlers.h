#pragma once
// The detail views' part in the analysis window, attached when the program is assembled.

#include <optional>

namespace shell {
class App;
}
namespace analysis {
class frmAg3;
}

namespace views {

// A cell of the analysis window's runner grid.
struct GridCell {
  int row = 0;
  int col = 0;
  bool operator==(const GridCell&) const = default;
};

// The cell under a point (twips from the grid's top left) by the grid's fixed bands: columns from
// their left edge (included) to the next, rows 230 twips high, row 0 for every y above 230 (negative
// included).
// Nothing left of or on the grid's left edge, right of the last column or below the last row.
std::optional<GridCell> RunnerGridCellAt(double x, double y);

// Attaches the handler below to every analysis window the program builds.
void AttachHandlers(shell::App& app);

// A press on the runner grid. First the graph window (loaded when it is not, without showing it) gets
// its empty frames back, which wipes the last plot. Then a value cell (any row, spacers included) is
// painted in the colour of the palette option chosen in the analysis window, and a horse name fills
// the individual-data window with that runner and plots it on the graph window. A press in no cell,
// on the name heads, or on a name before any race is confirmed does nothing more. x and y are twips
// from the grid's top left corner.
void MSFlexGrid2_MouseDown(shell::App& app, analysis::frmAg3& window, double x, double y);

}  // namespace views
