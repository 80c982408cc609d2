#include "recommend/rest_mark.h"

#include "basic/past_run_view_tables.h"
#include "model/numbers.h"
#include "ui/palette.h"

namespace recommend {

namespace {

constexpr double kShortRest = 45;

void Paint(ui::FlexGrid& grid, int runner, int column, ui::Color colour) {
  grid.SetCol(column);
  grid.SetRow(runner + 1);
  grid.SetCellBackColor(colour);
}

}  // namespace

void PaintRestMarks(ui::FlexGrid& grid, const model::Meeting& meeting, int race, int runners, int column) {
  const auto& intervals = meeting.Group<basic::PastRunViewTables>().RunInterval[1];
  for (int runner = 1; runner <= runners; ++runner) {
    const double days = model::TextToNumber(intervals(race, runner));
    if (days >= kLongRest) {
      Paint(grid, runner, column, ui::palette::kRed);
    } else if (days > kShortRest) {
      Paint(grid, runner, column, ui::palette::kGreen);
    }
  }
}

}  // namespace recommend
