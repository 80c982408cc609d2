// A press on the analysis window's runner grid paints the value cell under the pointer in the
// palette's colour; the horse names are not painted.
#include <gtest/gtest.h>

#include <optional>

#include "analysis/frm_ag3.h"
#include "program/program.h"
#include "ui/palette.h"

namespace views {
namespace {

using analysis::frmAg3;

struct PressCase {
  double x, y;
  std::optional<std::pair<int, int>> painted;  // row, column
};

// Columns from their left edge (included) to the next; rows in bands of 230 twips.
TEST(RunnerGridPress, PaintsTheCellUnderThePointer) {
  const PressCase cases[] = {
      {1575, 460, std::pair{2, 1}},  // both edges belong to the cell right of and below them
      {1574, 460, std::nullopt},     // a horse name
      {100, 100, std::nullopt},      // the name heading
      {1600, 459, std::pair{1, 1}},  // a value heading
      {1600, 0, std::pair{0, 1}},      {2430, 1000, std::pair{4, 3}},  // a spacer
      {8125, 4599, std::pair{19, 21}},                                 // the last cell
      {8674, 2000, std::pair{8, 21}},  {8675, 2000, std::nullopt},     // right of the last column
      {0, 2000, std::nullopt},                                         // on the grid's left edge
      {3000, 4600, std::nullopt},                                      // below the last row
  };
  for (const PressCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    program::Program app;
    frmAg3& w = app.Show<frmAg3>();
    ui::FlexGrid& g = w.MSFlexGrid2;
    const ui::Color plain = g.CellBackColorAt(5, 5);
    g.UserMouseDown(1, 0, c.x, c.y);
    for (int r = 0; r < g.Rows(); ++r) {
      for (int col = 0; col < g.Cols(); ++col) {
        const bool painted = c.painted && *c.painted == std::pair{r, col};
        if (painted) {
          EXPECT_EQ(g.CellBackColorAt(r, col), ui::palette::kPink);
        } else if (!g.IsFixedCell(r, col)) {
          EXPECT_EQ(g.CellBackColorAt(r, col), plain) << r << "," << col;
        }
      }
    }
  }
}

TEST(RunnerGridPress, TheChosenPaletteOptionGivesTheColour) {
  program::Program app;
  frmAg3& w = app.Show<frmAg3>();
  ui::FlexGrid& g = w.MSFlexGrid2;
  const std::pair<ui::OptionButton*, ui::Color> palette[] = {
      {&w.Option3, ui::Rgb(255, 255, 192)}, {&w.Option4, ui::Rgb(192, 255, 255)},
      {&w.Option5, ui::Rgb(192, 255, 192)}, {&w.Option6, ui::Rgb(192, 192, 255)},
      {&w.Option7, ui::Rgb(255, 255, 255)}, {&w.Option2, ui::Rgb(255, 192, 255)}};
  for (const auto& [option, colour] : palette) {
    option->UserClick();
    g.UserMouseDown(1, 0, 2000, 1000);
    EXPECT_EQ(g.CellBackColorAt(4, 1), colour) << option->Name();
  }
  // With no option chosen a cell never painted keeps its colour.
  const ui::Color plain = g.CellBackColorAt(8, 1);
  for (const auto& [option, colour] : palette) ASSERT_NE(plain, colour) << option->Name();
  w.Option2.SetValue(false);
  g.UserMouseDown(2, 1, 2000, 2000);
  EXPECT_EQ(g.CellBackColorAt(8, 1), plain);
}

}  // namespace
}  // namespace views
