#pragma once
// "色解除": the runner grid's value columns back to white, the recommended numbers gone from the
// analysis window, printing locked again and the colouring open once more, so that the chain from
// "色分け" can be repeated.

#include "analysis/runner_grid.h"

namespace recommend {

// Whitens every column but the name of the rows of runners 1 to runners (at most 18); the name column,
// the heading rows and the rows below keep their colours.
void WhitenRunnerRows(analysis::RunnerGridWriter& grid, int runners);

}  // namespace recommend
