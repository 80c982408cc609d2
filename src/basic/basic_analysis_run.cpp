#include "basic/basic_analysis_run.h"

#include "analysis/analysed_race.h"
#include "analysis/data_reliability.h"
#include "analysis/frm_ag3.h"
#include "analysis/runner_grid.h"
#include "basic/actual_evaluation_view.h"
#include "basic/analysis_validity.h"
#include "basic/basic_analysis_tables.h"
#include "basic/day_number.h"
#include "basic/past_run_evaluation.h"
#include "basic/race_run_averages.h"
#include "basic/run_intervals.h"
#include "basic/run_surface_classification.h"
#include "basic/todays_surface_evaluations.h"
#include "basic/training_text_parsing.h"
#include "basic/training_trend_words.h"
#include "intake/race_card_tables.h"
#include "model/analysis_tables.h"
#include "model/meeting.h"
#include "ui/desktop.h"

namespace basic {

namespace {

using model::Text;

const Text kNoGoingMessage = u"当日の「 馬場状態 」が入力されていません";

void ShowAnalysedState(analysis::frmAg3& window) {
  window.Command19.SetEnabled(false);
  window.Command20.SetEnabled(false);
  window.Command5.SetEnabled(true);
  window.Combo1.SetEnabled(false);
}

void WriteGridHeadings(analysis::frmAg3& window, const model::Meeting& meeting, int race, int runners) {
  analysis::PastRunGridOf past_runs(window.MSFlexGrid1);
  WriteActualEvalTitle(past_runs);
  analysis::RunnerGridOf grid(window.MSFlexGrid2);
  const intake::RaceCardTables& card = meeting.Group<intake::RaceCardTables>();
  for (int runner = 1; runner <= runners; ++runner) {
    grid.SetCellText(analysis::RunnerRow(runner), analysis::RunnerColumn::kHorseName,
                     card.HorseName(race, runner));
  }
}

// Everything of one runner is done before the next runner starts.
void AnalyseEachRunner(analysis::frmAg3& window, model::Meeting& meeting, int race, int runners,
                       int going_index) {
  PastRunEvaluation evaluation(meeting, race, going_index);
  analysis::PastRunGridOf past_runs(window.MSFlexGrid1);
  for (int runner = 1; runner <= runners; ++runner) {
    evaluation.EvaluatePastRuns(runner);
    ComputeRunIntervals(meeting, race, runner);
    BuildActualEvalRow(past_runs, meeting, race, runner);
  }
}

// The reliability colours of the race now analysed: ticking the switch colours the past-run grid as a
// user's tick would, and when it is ticked already the colouring runs all the same, so that no colours
// of an earlier race stay. Clearing Option1 lets the user's next click on it arm ＮＥＸＴ.
void LeaveForSecondaryAnalysis(analysis::frmAg3& window, const model::Meeting& meeting) {
  window.Command5.SetEnabled(true);
  if (window.Check2.Value() == ui::kChecked) {
    analysis::ColourByDataReliability(window, meeting);
  } else {
    window.Check2.SetValue(ui::kChecked);
  }
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
  AnalyseEachRunner(window, meeting, race, runners, going_index);
  ParseTrainingTexts(meeting, race);
  WriteTrainingTrendWords(meeting, race);
  PickTodaysSurfaceEvaluations(meeting, race, runners);
  ComputeRaceRunAverages({window.Label19, window.Label20, window.Label21, window.Label22, window.Label23},
                         meeting, race, runners);
  GradeAnalysisValidity(
      {window.Label36, window.Label37, window.Label9, window.Label11, window.Label14, window.Label15},
      meeting, race, runners);
  LeaveForSecondaryAnalysis(window, meeting);
}

}  // namespace basic
