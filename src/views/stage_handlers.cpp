#include "views/stage_handlers.h"

#include <iterator>
#include <optional>
#include <utility>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "model/numbers.h"
#include "shell/app.h"
#include "ui/palette.h"
#include "views/frm_ag14.h"
#include "views/individual_data.h"
#include "views/runner_graph.h"

namespace views {

namespace {

constexpr int kRowCount = 20;     // the runner grid's rows, all shown without scrolling
constexpr double kRowBand = 230;  // twips per row
constexpr int kFirstRunnerRow = 2;

// The left edges of columns 0 to 21 and the right edge of column 21, as the analysis window lays
// out its runner grid.
constexpr double kColumnEdges[] = {0,    1575, 2125, 2425, 2475, 3025, 3325, 3375, 3850, 4325, 4800, 5100,
                                   5400, 5900, 5950, 6500, 6800, 6850, 7350, 7400, 8075, 8125, 8675};

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
  if (!(x > kColumnEdges[0]) || !(y < kRowBand * kRowCount)) return std::nullopt;
  GridCell cell;
  cell.row = y < kRowBand ? 0 : static_cast<int>(model::FloorNumber(y / kRowBand));
  for (int c = 1; c < static_cast<int>(std::size(kColumnEdges)); ++c) {
    if (x < kColumnEdges[c]) {
      cell.col = c - 1;
      return cell;
    }
  }
  return std::nullopt;
}

void AttachHandlers(shell::App& app) {
  app.AttachHandlers<analysis::frmAg3>([](shell::App& owner, analysis::frmAg3& window) {
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
  if (cell->col != 0) {
    PaintCell(window, *cell);
  } else if (cell->row >= kFirstRunnerRow) {
    PressHorseName(app, graph, cell->row - 1);
  }
}

}  // namespace views
