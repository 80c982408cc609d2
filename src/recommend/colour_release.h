#pragma once
// "色解除": the runner grid's value columns back to white, the recommended numbers gone from the
// analysis window, printing locked again and the colouring open once more, so that the chain from
// "色分け" can be repeated.

#include "analysis/runner_grid.h"

namespace analysis {
class frmAg3;
}
namespace model {
class Meeting;
}
namespace shell {
class frmAg0;
}
namespace ui {
class Screen;
}

namespace recommend {

// Whitens every column but the name of the rows of runners 1 to runners (at most 18); the name column,
// the heading rows and the rows below keep their colours.
void WhitenRunnerRows(analysis::RunnerGridWriter& grid, int runners);

// The click of "色解除" on window: also disables the main window's print box (its tick stays) and the
// evaluation switch, clears the colour-release tick, and enables "色分け" only when the secondary
// analysis has run for the race confirmed now. The hourglass shows on screen while it runs.
void ReleaseColours(analysis::frmAg3& window, shell::frmAg0& main_window, model::Meeting& meeting,
                    ui::Screen& screen);

}  // namespace recommend
