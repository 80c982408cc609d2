#pragma once
// "絞込み": judges every runner of the analysed race by five criteria in a fixed order and shows the
// outcome in the runner grid: the columns of each passed criterion green, from the first failed one
// to the predicted time grey. A rest mark and a mark for current ability close to the field's best
// follow. Only cell colours change; no table is written.

#include "model/meeting.h"
#include "ui/grid.h"

namespace recommend {

// Paints the cascade of runners 1..runners (at most 18; runner i in row i + 1) of race over grid's
// colours, from the secondary analysis of that race and its rest intervals. Column 0 and column 21
// are never painted; a race outside 1 to 12 paints nothing.
void PaintFilterCascade(ui::FlexGrid& grid, const model::Meeting& meeting, int race, int runners);

}  // namespace recommend
