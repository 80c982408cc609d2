#pragma once
// The check window's sheet: one race's data and the run summaries of its runners, on B4 landscape.

#include "model/meeting.h"
#include "ui/printer.h"

namespace basetime {

// Prints and ends one document for race 1..12: title, race data, the column heads, the ruled lines
// under the heads and the first 18 runner rows, and one row per runner the tables hold.
void PrintRaceRunRecords(const model::Meeting& meeting, ui::Printer& printer, int race);

}  // namespace basetime
