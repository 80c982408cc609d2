#pragma once
// The value-column steps of "色分け": the runner grid's value columns in bands of closeness to the
// field's best, the rest mark, the improvement bands, and the highlight marks of the 3F and
// improvement bands.

#include "analysis/runner_grid.h"
#include "model/meeting.h"

namespace recommend {

// Paints the cells of runners 1..runners (at most 18) of the runner grid from the
// secondary analysis of race and writes PointFront, PointCloser and PointForm of (race, runner). A
// cell in no band keeps its colour and a mark in no band keeps its text; a race outside 1 to 12
// paints and writes nothing.
void PaintValueBands(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race, int runners);

}  // namespace recommend
