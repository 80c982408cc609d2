#include "basic/basic_analysis_run.h"

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "basic/basic_analysis_tables.h"
#include "basic/day_number.h"
#include "basic/past_run_evaluation.h"
#include "basic/run_surface_classification.h"
#include "basic/todays_surface_evaluations.h"
#include "intake/race_card_tables.h"
#include "model/analysis_tables.h"
#include "model/meeting.h"
#include "ui/desktop.h"

namespace basic {

namespace {

using model::Text;

const Text kNoGoingMessage = u"当日の「 馬場状態 」が入力されていません";
const Text kPastRunGridTitle = u"実　評　価";
constexpr int kRunColumns = 5;

void ShowAnalysedState(analysis::frmAg3& window) {
  window.Command19.SetEnabled(false);
  window.Command20.SetEnabled(false);
  window.Command5.SetEnabled(true);
  window.Combo1.SetEnabled(false);
}

void WriteGridHeadings(analysis::frmAg3& window, const model::Meeting& meeting, int race, int runners) {
  for (int column = 1; column <= kRunColumns; ++column)
    window.MSFlexGrid1.SetTextMatrix(0, column, kPastRunGridTitle);
  const intake::RaceCardTables& card = meeting.Group<intake::RaceCardTables>();
  for (int runner = 1; runner <= runners; ++runner) {
    window.MSFlexGrid2.SetTextMatrix(runner + 1, 0, card.HorseName(race, runner));
  }
}

void EvaluateEachRunner(model::Meeting& meeting, int race, int runners, int going_index) {
  PastRunEvaluation evaluation(meeting, race, going_index);
  for (int runner = 1; runner <= runners; ++runner) evaluation.EvaluatePastRuns(runner);
}

// Ticking the reliability switch colours the past-run grid as a user's tick would; clearing Option1
// lets the user's next click on it arm ＮＥＸＴ.
void LeaveForSecondaryAnalysis(analysis::frmAg3& window) {
  window.Command5.SetEnabled(true);
  window.Check2.SetValue(ui::kChecked);
  window.Option1.SetValue(false);
}

}  // namespace

void RunBasicAnalysis(analysis::frmAg3& window, model::Meeting& meeting) {
  const int going_index = window.Combo1.ListIndex();
  if (going_index < 0) {
    window.GetDesktop().MsgBox(kNoGoingMessage, ui::kOkOnly);
    return;
  }
  const int race = analysis::AnalysedRaceIndex(meeting);
  if (race == 0) return;  // only a confirmation enables the button
  const int runners = analysis::AnalysedRunnerCount(meeting);
  meeting.Group<model::AnalysisTables>().TodayGoingText() = window.Combo1.Text();
  ShowAnalysedState(window);
  WriteGridHeadings(window, meeting, race, runners);
  meeting.Group<BasicAnalysisTables>().TodayDayNumber() =
      TodayDayNumberText(meeting.Group<intake::RaceCardTables>().RaceDate(race));
  ClassifyRunSurfaces(meeting, race, runners);
  EvaluateEachRunner(meeting, race, runners, going_index);
  PickTodaysSurfaceEvaluations(meeting, race, runners);
  LeaveForSecondaryAnalysis(window);
}

}  // namespace basic
