#pragma once
// The actual evaluations (実評価) of the past runs: each run's evaluation text marked by how its
// surface stands to today's, kept in RealEvalText1..5 and shown in the analysis window's past-run grid.

#include "analysis/runner_grid.h"
#include "model/meeting.h"

namespace basic {

// The past-run grid's title over the five run columns, once per analysis before the runner rows.
void WriteActualEvalTitle(analysis::PastRunGridWriter& grid);

// Writes RealEvalText1..5 of runner from RunSurfaceMatch1..5 and RunTurfEvalText1..5 or
// RunDirtEvalText1..5 of runner, then the runner's row of the past-run grid: the runner's HorseNo of
// race and the texts of runs 5 to 1 (cell texts only). A race outside 1
// to 12 or a runner outside 1 to 18 has no row and writes nothing.
void BuildActualEvalRow(analysis::PastRunGridWriter& grid, model::Meeting& meeting, int race, int runner);

}  // namespace basic
