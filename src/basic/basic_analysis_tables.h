#pragma once
// What the basic analysis leaves of each run of the analysed race: its class against today's surface,
// the terms and evaluations against the standard times, and the evaluation that counts today. The
// per-runner tables hold the analysed race only (runners 1 to 18) and keep an entry until an analysis
// writes it again; the day numbers are kept for every race analysed.

#include "model/table.h"
#include "model/text.h"

#define TARVELO_BASIC_ANALYSIS_TABLES(X)                                                               \
  /* Today's race: its day number as plain text (empty when its month is not recognised), and the */   \
  /* turf and dirt standard times of its course and distance (empty when the tables have none). */     \
  X(model::SharedValue, TodayDayNumber)                                                                \
  X(model::SharedValue, TodayTurfStdTime)                                                              \
  X(model::SharedValue, TodayDirtStdTime)                                                              \
  /* Per runner and past run: "1" no usable run, "2" turf run and turf today, "3" turf run and dirt */ \
  /* today, "4" dirt run and dirt today, "5" dirt run and turf today. */                               \
  X(model::AnalysedRunnerFamily, RunSurfaceMatch)                                                      \
  /* Per runner and past run, "---" where the run cannot be measured: time values (signed), terms */   \
  /* and weighted values (plain), evaluations (signed) and their three-character display texts. */     \
  X(model::AnalysedRunnerFamily, RunTurfTime)                                                          \
  X(model::AnalysedRunnerFamily, RunDirtTime)                                                          \
  X(model::AnalysedRunnerFamily, RunWeightTerm)                                                        \
  X(model::AnalysedRunnerFamily, RunTurfWeighted)                                                      \
  X(model::AnalysedRunnerFamily, RunDirtWeighted)                                                      \
  X(model::AnalysedRunnerFamily, RunPaceTerm)                                                          \
  X(model::AnalysedRunnerFamily, RunTroubleTerm)                                                       \
  X(model::AnalysedRunnerFamily, RunGoingTerm)                                                         \
  X(model::AnalysedRunnerFamily, RunTurfEval)                                                          \
  X(model::AnalysedRunnerFamily, RunDirtEval)                                                          \
  X(model::AnalysedRunnerFamily, RunTurfEvalText)                                                      \
  X(model::AnalysedRunnerFamily, RunDirtEvalText)                                                      \
  /* Per race and runner: the day number of each past run, "---" where the run cannot be measured. */  \
  X(model::AnalysedRaceRunnerFamily, RunDayNumber)                                                     \
  /* Per runner and past run: the evaluation on today's surface, "5" when the run counts today and */  \
  /* "1" when not, and the five marks joined oldest run first ("11155"). */                            \
  X(model::AnalysedRunnerFamily, RunEval)                                                              \
  X(model::AnalysedRunnerFamily, RunValid)                                                             \
  X(model::AnalysedRunnerTable, RunMask)

namespace basic {

struct BasicAnalysisTables {
  TARVELO_TABLE_GROUP(TARVELO_BASIC_ANALYSIS_TABLES)
};

// A run that cannot be measured, in the per-run values and day numbers here and in the day texts of
// PastRunViewTables.
inline const model::Text kNoValue = u"---";
// RunMask of a runner none of whose runs counts today.
inline const model::Text kNoRunCountsMask = u"11111";

}  // namespace basic
