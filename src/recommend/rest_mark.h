#pragma once
// The rest mark that "色分け" and "絞込み" both put into the runner grid: green for a rest of more
// than 45 and less than 90 days, red from 90 days on, nothing otherwise.

#include "analysis/runner_grid.h"
#include "model/meeting.h"

namespace recommend {

// The days from which a rest is long: red, and out of the filter.
inline constexpr double kLongRest = 90;

// Paints the rest mark of runners 1..runners (runner i in row i + 1) of race into column of the runner grid,
// from RunInterval1 ("---" reads 0 days); a runner without a mark keeps the cell's colour. The
// caller keeps race within 1 to 12 and runners within 0 to 18.
void PaintRestMarks(analysis::RunnerGridWriter& grid, const model::Meeting& meeting, int race, int runners,
                    analysis::RunnerColumn column);

}  // namespace recommend
