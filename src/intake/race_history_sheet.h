#pragma once
// The race-history sheet: one runner's last five runs in columns, oldest first, a fact of the run
// in each row. The data-read window and the individual-data window show it alike.

#include <array>

#include "intake/past_run_tables.h"
#include "model/meeting_shape.h"
#include "model/text.h"
#include "ui/grid.h"
#include "ui/grid_design.h"

namespace intake {

// Oldest run first, as the run columns stand.
extern const std::array<model::Text, model::kPastRuns> kRaceHistoryRunHeadings;

// 20 rows by 6 columns: the race and horse number in the corner, run headings in row 1, the facts'
// headings down column 0.
extern const ui::GridDesign kRaceHistorySheetDesign;

// Writes runner's five runs into columns 1 (five runs back) to 5 (the last run), rows 2 to 19.
void WriteRaceHistoryRuns(ui::FlexGrid& grid, const PastRunTables& runs, int race, int runner);

}  // namespace intake
