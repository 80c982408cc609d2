#include "secondary/secondary_analysis_run.h"

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "analysis/runner_grid.h"
#include "model/meeting.h"
#include "secondary/current_ability.h"
#include "secondary/improvement_value.h"
#include "secondary/overall_code.h"
#include "secondary/provisional_damping.h"
#include "secondary/provisional_evaluations.h"
#include "secondary/race_time_level.h"
#include "secondary/six_furlong_difference.h"
#include "secondary/speed_value.h"
#include "secondary/three_furlong_values.h"

namespace secondary {

namespace {

using model::Text;

const Text kProvisionalTitle = u"仮　評　価";

// Before anything is computed: the past-run grid will show the provisional view, so its own button
// is the one of the view group that is off; this button goes off for good.
void ShowAnalysingState(analysis::frmAg3& window) {
  window.Command1.SetEnabled(false);
  window.Command2.SetEnabled(true);
  window.Command3.SetEnabled(true);
  window.Command4.SetEnabled(true);
  window.Command5.SetEnabled(false);
  window.Command6.SetEnabled(true);
  window.Command7.SetEnabled(true);
  window.Command8.SetEnabled(true);
  window.Command9.SetEnabled(true);
  window.Command13.SetEnabled(true);
  window.Command14.SetEnabled(true);
}

void WriteProvisionalTitle(analysis::PastRunGridWriter& grid) {
  for (int column = analysis::Index(analysis::PastRunColumn::kFiveRunsBack);
       column <= analysis::Index(analysis::PastRunColumn::kLastRun); ++column) {
    grid.SetCellText(analysis::kGridTitleRow, analysis::PastRunColumn{column}, kProvisionalTitle);
  }
}

// Each pass takes the field afresh, held to the runners the tables and grids have rows for.
int PassRunners(const model::Meeting& meeting) {
  return analysis::AnalysedRunnerCount(meeting);
}

void ComputeThreeFurlongPass(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race) {
  const int runners = PassRunners(meeting);
  for (int runner = 1; runner <= runners; ++runner) ComputeThreeFurlongValues(grid, meeting, race, runner);
}

// The main pass: everything of one runner's runs and current ability before the next runner, the
// race's running sum of current abilities starting afresh.
void EvaluateEachRunner(analysis::PastRunGridWriter& past_runs, model::Meeting& meeting, int race) {
  ResetAbilityAverage(meeting);
  const int runners = PassRunners(meeting);
  for (int runner = 1; runner <= runners; ++runner) {
    EstimateProvisionalEvaluations(meeting, race, runner);
    DampProvisionalEvaluations(meeting, race, runner);
    BuildProvisionalTexts(past_runs, meeting, race, runner);
    ComputeCurrentAbility(meeting, race, runner);
  }
}

}  // namespace

void RunSecondaryAnalysis(analysis::frmAg3& window, model::Meeting& meeting) {
  ShowAnalysingState(window);
  analysis::PastRunGridOf past_runs(window.MSFlexGrid1);
  WriteProvisionalTitle(past_runs);
  const int race = analysis::AnalysedRaceIndex(meeting);
  if (race == 0) return;  // only a confirmed and analysed race enables the button

  analysis::RunnerGridOf grid(window.MSFlexGrid2);
  ComputeThreeFurlongPass(grid, meeting, race);
  FindRaceBestThreeFurlongs(meeting, race, PassRunners(meeting));
  AssignRunningStyles(grid, meeting, race, PassRunners(meeting));
  ComputeRaceTimeLevel({window.Label18, window.Label6, window.Label41}, meeting, race);

  EvaluateEachRunner(past_runs, meeting, race);
  GradeCurrentAbilities(grid, meeting, race, PassRunners(meeting));
  ShowRaceClassAverage(window.Label24, window.Label25, meeting, race);
  ComputeSixFurlongDifferences(meeting, race, PassRunners(meeting));
  GradeSixFurlongDifferences(grid, meeting, race, PassRunners(meeting));
  ComputeSpeedValues(meeting, race, PassRunners(meeting));
  GradeSpeedValues(grid, meeting, race, PassRunners(meeting));
  ComputeImprovementValues(meeting, race, PassRunners(meeting));
  GradeImprovementValues(meeting, race, PassRunners(meeting));
  // Label18 was written by the race time level above.
  ComputePredictedTimes(window.Label18.Caption(), meeting, race, PassRunners(meeting));
  FillTrainingAndTimeColumns(grid, meeting, race, PassRunners(meeting));
  ComputeOverallCodes(grid, meeting, race, PassRunners(meeting));
  analysis::SetSecondaryAnalysisDone(meeting, true);
}

}  // namespace secondary
