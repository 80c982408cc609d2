#include "recommend/rest_mark.h"

#include "basic/past_run_view_tables.h"
#include "model/numbers.h"
#include "ui/palette.h"

namespace recommend {

namespace {

constexpr double kShortRest = 45;

}  // namespace

void PaintRestMarks(analysis::RunnerGridWriter& grid, const model::Meeting& meeting, int race, int runners,
                    analysis::RunnerColumn column) {
  const auto& intervals = meeting.Group<basic::PastRunViewTables>().RunInterval[1];
  for (int runner = 1; runner <= runners; ++runner) {
    const double days = model::TextToNumber(intervals(race, runner));
    if (days >= kLongRest) {
      grid.SetCellBackColor(analysis::RunnerRow(runner), column, ui::palette::kRed);
    } else if (days > kShortRest) {
      grid.SetCellBackColor(analysis::RunnerRow(runner), column, ui::palette::kGreen);
    }
  }
}

}  // namespace recommend
