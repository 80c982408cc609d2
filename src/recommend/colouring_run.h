#pragma once
// "色分け": one click bands the runner grid's value columns, computes the overall evaluations, score
// bins and going aptitudes of the analysed race, and opens the navigation switches and "絞込み".

namespace analysis {
class frmAg3;
}
namespace model {
class Meeting;
}
namespace ui {
class Screen;
}

namespace recommend {

// The click of "色分け" on window, whose tables are meeting's; the hourglass shows on screen while
// it runs.
void RunColouring(analysis::frmAg3& window, model::Meeting& meeting, ui::Screen& screen);

}  // namespace recommend
