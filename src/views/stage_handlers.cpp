#include "views/stage_handlers.h"

#include <optional>
#include <utility>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "analysis/runner_grid.h"
#include "model/numbers.h"
#include "shell/app.h"
#include "ui/palette.h"
#include "views/frm_ag14.h"
#include "views/individual_data.h"
#include "views/runner_graph.h"

namespace views {

namespace {

constexpr double kRowBand = 230;  // twips per row; the grid shows all its rows without scrolling

// The palette options, tested in this order, and the colour each paints.
std::optional<ui::Color> PaletteColour(const analysis::frmAg3& window) {
  const std::pair<const ui::OptionButton*, ui::Color> palette[] = {
      {&window.Option2, ui::palette::kPink},      {&window.Option3, ui::palette::kLightYellow},
      {&window.Option4, ui::palette::kLightCyan}, {&window.Option5, ui::palette::kPaleGreen},
      {&window.Option6, ui::palette::kLavender},  {&window.Option7, ui::palette::kWhite}};
  for (const auto& [option, colour] : palette) {
    if (option->Value()) return colour;
  }
  return std::nullopt;
}

void PaintCell(analysis::frmAg3& window, GridCell cell) {
  const std::optional<ui::Color> colour = PaletteColour(window);
  if (!colour) return;
  ui::FlexGrid& grid = window.MSFlexGrid2;
  grid.SetCol(cell.col);
  grid.SetRow(cell.row);
  grid.SetCellBackColor(*colour);
}

// Before any race is confirmed there is no race to read: the press ends with the restored frames.
void PressHorseName(shell::App& app, frmAg14& graph, int j) {
  const int race = analysis::AnalysedRaceIndex(app.meeting);
  if (race == 0) return;
  FillIndividualData(app, race, j);
  PlotRunner(app.meeting, graph, race, j);
}

}  // namespace

std::optional<GridCell> RunnerGridCellAt(double x, double y) {
  // Written so that a NaN falls in no band.
  if (!(x > analysis::RunnerColumnLeft(0)) || !(y < kRowBand * analysis::kGridRows)) return std::nullopt;
  GridCell cell;
  cell.row = y < kRowBand ? 0 : static_cast<int>(model::FloorNumber(y / kRowBand));
  for (int c = 0; c < analysis::kRunnerColumns; ++c) {
    if (x < analysis::RunnerColumnLeft(c + 1)) {
      cell.col = c;
      return cell;
    }
  }
  return std::nullopt;
}

void AttachHandlers(shell::App& app) {
  app.AttachHandlers("frmAg3", [](shell::App& owner, ui::Form& form) {
    auto& window = static_cast<analysis::frmAg3&>(form);
    window.MSFlexGrid2.OnMouseDown = [&owner, &window](int, int, double x, double y) {
      MSFlexGrid2_MouseDown(owner, window, x, y);
    };
  });
}

void MSFlexGrid2_MouseDown(shell::App& app, analysis::frmAg3& window, double x, double y) {
  frmAg14& graph = app.Form<frmAg14>();
  graph.RestoreFrames();
  const std::optional<GridCell> cell = RunnerGridCellAt(x, y);
  if (!cell) return;
  if (cell->col != analysis::Index(analysis::RunnerColumn::kHorseName)) {
    PaintCell(window, *cell);
  } else if (cell->row >= analysis::kFirstRunnerRow) {
    PressHorseName(app, graph, cell->row - 1);
  }
}

}  // namespace views
