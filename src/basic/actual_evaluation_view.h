#pragma once
// The actual evaluations (実評価) of the past runs: each run's evaluation text marked by how its
// surface stands to today's, kept in RealEvalText1..5 and shown in the analysis window's past-run grid.

#include "model/meeting.h"

namespace analysis {
class frmAg3;
}

namespace basic {

// The past-run grid's title over the five run columns, once per analysis before the runner rows.
void WriteActualEvalTitle(analysis::frmAg3& window);

// Writes RealEvalText1..5 of runner from RunSurfaceMatch1..5 and RunTurfEvalText1..5 or
// RunDirtEvalText1..5 of runner, then row runner + 1 of the past-run grid: the runner's HorseNo of
// race in column 0, the texts of runs 5 to 1 in columns 1 to 5 (cell texts only). A race outside 1
// to 12 or a runner outside 1 to 18 has no row and writes nothing.
void BuildActualEvalRow(analysis::frmAg3& window, model::Meeting& meeting, int race, int runner);

}  // namespace basic
