#include "views/stage_handlers.h"

#include <optional>
#include <utility>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "model/numbers.h"
#include "shell/app.h"
#include "ui/palette.h"
#include "views/individual_data.h"

namespace views {

namespace {

constexpr int kLastRunner = 18;   // the detail windows hold at most 18 runners
constexpr double kRowBand = 230;  // the runner grid's rows, all shown without scrolling

// The column whose band holds x, each band from its left edge (included) to the next; -1 when x lies
// left of the first column's edge or right of the last column.
int ColumnAt(const ui::FlexGrid& grid, double x) {
  if (x <= 0) return -1;
  double right = 0;
  for (int c = 0; c < grid.Cols(); ++c) {
    right += grid.ColWidth(c);
    if (x < right) return c;
  }
  return -1;
}

// The row whose band holds y; -1 below the last row.
int RowAt(const ui::FlexGrid& grid, double y) {
  if (y < kRowBand) return 0;
  const double row = model::FloorNumber(y / kRowBand);
  return row < grid.Rows() ? static_cast<int>(row) : -1;
}

// The colour of the chosen palette option, tested in the palette's order; none when none is chosen.
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

// Before any race is confirmed no table position exists for the runner: the window stays as it is.
void PressHorseName(shell::App& app, int j) {
  const int race = analysis::AnalysedRaceIndex(app.meeting);
  if (race == 0 || j < 1 || j > kLastRunner) return;
  FillIndividualData(app, race, j);
}

}  // namespace

void AttachHandlers(shell::App& app) {
  app.AttachHandlers("frmAg3", [](shell::App& owner, ui::Form& form) {
    auto& window = static_cast<analysis::frmAg3&>(form);
    window.MSFlexGrid2.OnMouseDown = [&owner, &window](int, int, double x, double y) {
      MSFlexGrid2_MouseDown(owner, window, x, y);
    };
  });
}

// The horse names' graphs are still to come.
void MSFlexGrid2_MouseDown(shell::App& app, analysis::frmAg3& window, double x, double y) {
  ui::FlexGrid& grid = window.MSFlexGrid2;
  const int col = ColumnAt(grid, x);
  const int row = RowAt(grid, y);
  if (col == 0 && row >= 2) {
    PressHorseName(app, row - 1);
    return;
  }
  if (col <= 0 || row < 0) return;
  const std::optional<ui::Color> colour = PaletteColour(window);
  if (!colour) return;
  grid.SetCol(col);
  grid.SetRow(row);
  grid.SetCellBackColor(*colour);
}

}  // namespace views
