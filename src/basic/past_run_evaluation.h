#pragma once
// The evaluation of the last five runs of each runner of the analysed race against the standard-time
// tables: each run's time behind the standard time of its own course and distance, per 1600 m,
// carried over to today's course, then corrected for weight carried, pace, trouble and going.
//
// Every intermediate value is stored as its plain text (15 significant digits) and the next step reads
// it back from there, so that a value is the one its text shows: 94.3 s against a standard of 95.5 s
// is 12 tenths behind, not 12.000000000000028.

#include "basic/day_number.h"
#include "model/meeting.h"
#include "model/text.h"

namespace basic {

// One analysis of one race. The going correction, the going and trouble terms, the year and the day
// number are carried from each evaluated run to the next (runs oldest first, runners in order) where a
// run's own codes give no value; they start empty with each analysis.
class PastRunEvaluation {
 public:
  // race 1 to 12; going_index today's going as the going list's position, 0 (良) to 3 (不良). Sets
  // TodayTurfStdTime and TodayDirtStdTime to the standard times of today's course and distance, or
  // empties each whose table gives no usable time there.
  PastRunEvaluation(model::Meeting& meeting, int race, int going_index);

  // Evaluates runs 5 to 1 of runner (1 to 18) and writes each run's time values, terms, weighted
  // values, evaluations, display texts and day number.
  void EvaluatePastRuns(int runner);

 private:
  struct Run;
  struct Outcome;

  Run ReadRun(int runner, int run, const model::Text& weight_term, double weight_value) const;
  Outcome Evaluate(const Run& run);
  void CarryOver(const Run& run);
  model::Text TimeValue(const Run& run, bool turf) const;
  void TakeTroubleTerm(const Run& run);
  void TakeGoingTerm(const Run& run);
  void Write(int runner, int run, Outcome&& outcome);
  void WriteNotMeasurable(int runner, int run);

  model::Meeting& meeting_;
  int race_;
  int today_going_;
  int today_row_;
  int today_column_;
  // Today's standard times as their table texts read, 0 where there is none.
  double today_turf_std_ = 0;
  double today_dirt_std_ = 0;
  // Working values as their plain texts; empty until a run of this analysis sets them.
  model::Text going_correction_;
  model::Text going_term_;
  model::Text trouble_term_;
  RunDayNumbers day_numbers_;
};

}  // namespace basic
