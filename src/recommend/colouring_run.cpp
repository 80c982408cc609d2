#include "recommend/colouring_run.h"

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "analysis/runner_grid.h"
#include "model/meeting.h"
#include "recommend/colour_banding.h"
#include "recommend/going_aptitudes.h"
#include "recommend/overall_evaluation.h"
#include "ui/palette.h"
#include "ui/services.h"

namespace recommend {

namespace {

constexpr int kGoodGoing = 0;  // "  良  " in the going list

// Where the navigation frame comes into view, in twips.
constexpr double kFrameLeft = 9850;
constexpr double kFrameTop = 0;
constexpr double kFrameWidth = 2900;
constexpr double kFrameHeight = 1100;

// On good going the going-aptitude switch has nothing to show, and it goes for the rest of the run.
void OpenNavigation(analysis::frmAg3& window) {
  if (window.Combo1.ListIndex() == kGoodGoing) window.Check6.SetVisible(false);
  window.Frame1.Move(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);
  window.Command10.SetEnabled(true);
}

}  // namespace

// A race outside 1 to 12 counts as a race without runners: nothing is computed, the buttons still move on.
void RunColouring(analysis::frmAg3& window, model::Meeting& meeting, ui::Screen& screen) {
  window.Command9.SetEnabled(false);
  screen.SetMousePointer(ui::pointer::kHourglass);
  const int race = analysis::AnalysedRaceIndex(meeting);
  const int runners = analysis::AnalysedRunnerCount(meeting);
  analysis::RunnerGridOf grid(window.MSFlexGrid2);
  PaintValueBands(grid, meeting, race, runners);
  ComputeOverallEvaluations(meeting, race, runners);
  ComputeGoingAptitudes(meeting, race, runners);
  screen.SetMousePointer(ui::pointer::kDefault);
  OpenNavigation(window);
}

}  // namespace recommend
