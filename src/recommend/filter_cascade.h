#pragma once
// "絞込み": judges every runner of the analysed race by five criteria in a fixed order and shows the
// outcome in the runner grid: the columns of each passed criterion green, from the first failed one
// to the predicted time grey. A rest mark and a mark for current ability close to the field's best
// follow. Only cell colours change; no table is written.

#include "analysis/runner_grid.h"
#include "model/meeting.h"

namespace recommend {

// Paints the cascade of runners 1..runners (at most 18) of race over the runner grid's
// colours, from the secondary analysis of that race and its rest intervals. The name and overall
// columns are never painted; a race outside 1 to 12 paints nothing.
void PaintFilterCascade(analysis::RunnerGridWriter& grid, const model::Meeting& meeting, int race,
                        int runners);

}  // namespace recommend
